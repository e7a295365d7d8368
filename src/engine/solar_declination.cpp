// SPDX-License-Identifier: MIT
#include "engine/solar_declination.h"

#include <cmath>

namespace Module1 {
namespace {

double Radians(double degrees) { return degrees * Pi / 180; }
double Degrees(double radians) { return radians * 180 / Pi; }

}  // namespace

double EquationOfCentre(double M, double e) {
  const double m = Radians(M);
  const double e2 = e * e;
  const double e3 = e2 * e;
  const double c = (2 * e - e3 / 4) * std::sin(m)  // first order in e
                   + 5.0 / 4 * e2 * std::sin(2 * m) + 13.0 / 12 * e3 * std::sin(3 * m);
  return Degrees(c);
}

double SunTrueLongitude(const SolarElements& elements) {
  return ReduceDegrees(elements.L + EquationOfCentre(elements.M, elements.e));
}

double MoonNodeLongitude(double T) { return 125.04 - 1934.136 * (T - 1); }

double SunApparentLongitude(const SolarElements& elements, double T) {
  const double omega = Radians(MoonNodeLongitude(T));
  return ReduceDegrees(SunTrueLongitude(elements) - 0.00569 - 0.00478 * std::sin(omega));
}

double ApparentObliquity(const SolarElements& elements, double T) {
  return elements.eps + 0.00256 * std::cos(Radians(MoonNodeLongitude(T)));
}

double SunApparentDeclination(const SolarElements& elements, double T) {
  const double lambda = Radians(SunApparentLongitude(elements, T));
  const double epsilon = Radians(ApparentObliquity(elements, T));
  return Degrees(std::asin(std::sin(epsilon) * std::sin(lambda)));
}

}  // namespace Module1
