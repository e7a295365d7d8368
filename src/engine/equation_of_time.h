// SPDX-License-Identifier: MIT
#pragma once

#include "engine/solar_elements.h"

namespace Module1 {

// Equation of time from the Sun's mean elements.
//   Given:    eps    obliquity ε, degrees
//             L      mean longitude, degrees, 0 ≤ L < 360
//             varpi  longitude of perihelion ϖ, degrees (unused: M contains it)
//             M      mean anomaly L − ϖ, degrees, not reduced
//             e      eccentricity
//   Returned: E, radians of hour angle: apparent minus mean solar time, positive
//             when the sundial is ahead; one radian is 4 × 180 / π minutes of time
//             (|E| < 0.12 for the elements of any 16-bit year)
// Notes: with y = tan²(ε/2),
//   E = y sin 2L − 2e sin M + 4ey sin M cos 2L − ½y² sin 4L − (5/4)e² sin 2M,
// summed in that order; each degree conversion multiplies by the stored Pi first
// and divides by the integer after.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), eq. (28.3), p. 185.
double EquationOfTime(double eps, double L, double varpi, double M, double e);

// The same from the elements of one instant.
inline double EquationOfTime(const SolarElements& elements) {
  return EquationOfTime(elements.eps, elements.L, elements.varpi, elements.M, elements.e);
}

}  // namespace Module1
