// SPDX-License-Identifier: MIT
#pragma once

#include "engine/solar_elements.h"

namespace Module1 {

// Equation of time E in radians of hour angle (apparent minus mean solar time,
// positive when the sundial is ahead), from the mean elements in degrees: obliquity
// ε, mean longitude L, longitude of perihelion ϖ (unused: M already contains it),
// mean anomaly M = L − ϖ unreduced, and eccentricity e. One radian is 4 × 180 / π
// minutes of time.
// Reference: the classical five-term series
//   E = y sin 2L − 2e sin M + 4ey sin M cos 2L − ½y² sin 4L − (5/4)e² sin 2M,
//   y = tan²(ε/2).
double EquationOfTime(double eps, double L, double varpi, double M, double e);

// The same from the elements of one instant.
inline double EquationOfTime(const SolarElements& elements) {
  return EquationOfTime(elements.eps, elements.L, elements.varpi, elements.M, elements.e);
}

}  // namespace Module1
