// SPDX-License-Identifier: MIT
#pragma once

namespace Module1 {

// The program's stored π. It is the double nearest 3.14159265358979, seven units in
// the last place below the double nearest π; every degree-to-radian conversion and
// every conversion of the equation of time to minutes uses it.
inline constexpr double Pi = 3.14159265358979;

// Mean elements of the Sun's apparent orbit at T Julian centuries from JD 2415020.0,
// each a polynomial in T evaluated term by term from the left, powers by repeated
// multiplication ((c·T)·T). Reference: the classical mean-element polynomials of the
// Sun referred to the 1900 epoch.

// Mean obliquity of the ecliptic ε, degrees, not reduced (23.452294 at T = 0).
double Obliquity(double T);

// Mean longitude of the Sun L, degrees, reduced to 0 ≤ L < 360.
double SunMeanLongitude(double T);

// Eccentricity of the Earth's orbit e, a pure number (0.0167498 at T = 0).
double OrbitEccentricity(double T);

// Longitude of perihelion ϖ, degrees, reduced to 0 ≤ ϖ < 360.
double PerihelionLongitude(double T);

// The five mean elements at one instant, as the equation of time takes them.
struct SolarElements {
  double eps;    // obliquity ε, degrees
  double L;      // mean longitude, degrees, 0 ≤ L < 360
  double varpi;  // longitude of perihelion ϖ, degrees, 0 ≤ ϖ < 360
  double e;      // eccentricity
  double M;      // mean anomaly L − ϖ, degrees, not reduced
};

// The elements at T Julian centuries from JD 2415020.0: each function above once,
// then M = L − ϖ. Every caller of the equation of time goes through here. Inline, so
// that a sweep pays no more than the four calls it made before.
inline SolarElements ElementsAt(double T) {
  SolarElements elements{};
  elements.eps = Obliquity(T);
  elements.L = SunMeanLongitude(T);
  elements.varpi = PerihelionLongitude(T);
  elements.e = OrbitEccentricity(T);
  elements.M = elements.L - elements.varpi;  // mean anomaly, not reduced
  return elements;
}

// (x / 360 − ⌊x / 360⌋) × 360: degrees into [0, 360), negative x included.
double ReduceDegrees(double degrees);

}  // namespace Module1
