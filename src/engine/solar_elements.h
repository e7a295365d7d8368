// SPDX-License-Identifier: MIT
#pragma once

namespace Module1 {

// The program's stored π. It is the double nearest 3.14159265358979, seven units in
// the last place below the double nearest π; every degree-to-radian conversion and
// every conversion of the equation of time to minutes uses it.
inline constexpr double Pi = 3.14159265358979;

// Mean elements of the Sun's apparent orbit. Each function:
//   Given:    T  Julian centuries from JD 2415020.0 (JulianCenturies); a 16-bit
//                year gives about −347 < T < 309
//   Returned: the element at T, a polynomial in T evaluated term by term from the
//             left, powers by repeated multiplication ((c·T)·T), coefficients
//             written k × 10⁻ⁿ formed at run time as that product
// The floating-point errors are raised where a step is not finite.

// Mean obliquity of the ecliptic ε, degrees, not reduced (23.452294 at T = 0):
//   ε = 23.452294 − 0.0130125 T − 0.00000164 T² + 0.000000503 T³.
// Reference: Newcomb's obliquity, 23°27′8.26″ − 46.845″T − 0.0059″T² + 0.00181″T³
// with T from 1900, in degrees (the Astronomical Almanac's expression until 1983).
double Obliquity(double T);

// Mean longitude of the Sun L, degrees, reduced to 0 ≤ L < 360:
//   L = 279.696678 + 36000.768925 T + 0.0003025 T².
// Reference: Newcomb's mean longitude of the Sun, 279°41′48.04″ + 129 602 768.13″T
// + 1.089″T² with T from 1900, in degrees (Explanatory Supplement to the
// Astronomical Ephemeris, 1961).
double SunMeanLongitude(double T);

// Eccentricity of the Earth's orbit e, a pure number (0.0167498 at T = 0):
//   e = 0.0167498 − 0.00004258 T − 0.000000137 T².
// Reference: source not confirmed. It is not Newcomb's expression (0.01675104 −
// 0.0000418 T − 0.000000126 T², Explanatory Supplement, 1961), from which it
// differs by less than 4 × 10⁻⁶ for years 1700–2200.
double OrbitEccentricity(double T);

// Longitude of perihelion ϖ, degrees, reduced to 0 ≤ ϖ < 360:
//   ϖ = 281.2206 + 1.717697 T + 0.000483333 T² + 0.00000277777 T³.
// Reference: source not confirmed. It is not Newcomb's longitude of perigee + 180°
// (281.220833 + 1.719175 T + 0.0004527 T² + 0.0000033 T³, Explanatory Supplement,
// 1961), from which it differs by less than 0.005° for years 1700–2200.
double PerihelionLongitude(double T);

// The five mean elements at one instant, as the equation of time takes them.
struct SolarElements {
  double eps;    // obliquity ε, degrees
  double L;      // mean longitude, degrees, 0 ≤ L < 360
  double varpi;  // longitude of perihelion ϖ, degrees, 0 ≤ ϖ < 360
  double e;      // eccentricity
  double M;      // mean anomaly L − ϖ, degrees, −360 < M < 360, not reduced
};

// The elements at T Julian centuries from JD 2415020.0: each function above once
// (ε, L, ϖ, e in that order), then M = L − ϖ. Every caller of the equation of time
// goes through here. Inline, so that a sweep pays no more than the four calls.
inline SolarElements ElementsAt(double T) {
  SolarElements elements{};
  elements.eps = Obliquity(T);
  elements.L = SunMeanLongitude(T);
  elements.varpi = PerihelionLongitude(T);
  elements.e = OrbitEccentricity(T);
  elements.M = elements.L - elements.varpi;  // mean anomaly, not reduced
  return elements;
}

// Degrees into one turn.
//   Given:    degrees  any finite angle, degrees
//   Returned: (x / 360 − ⌊x / 360⌋) × 360, degrees, 0 ≤ result < 360 (a negative
//             x too: −90 gives 270)
double ReduceDegrees(double degrees);

}  // namespace Module1
