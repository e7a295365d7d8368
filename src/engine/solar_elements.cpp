// SPDX-License-Identifier: MIT
#include "engine/solar_elements.h"

#include <cmath>

#include "platform/core/runtime_error.h"

namespace Module1 {
namespace {

using platform::CheckFloatingPoint;

// Coefficients written as k × 10⁻ⁿ are formed at run time as that product (each is
// the double nearest the decimal value noted beside it).
double Coefficient(double power_of_ten, double k) { return CheckFloatingPoint(power_of_ten * k); }

}  // namespace

double ReduceDegrees(double degrees) {
  const double turns = CheckFloatingPoint(degrees / 360);
  return (turns - std::floor(turns)) * 360;
}

double Obliquity(double T) {
  return 23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T;
}

double SunMeanLongitude(double T) {
  const double c2 = Coefficient(1e-4, 3.025);  // 0.0003025
  return ReduceDegrees(279.696678 + 36000.768925 * T + c2 * T * T);
}

double OrbitEccentricity(double T) {
  const double c1 = Coefficient(1e-5, 4.258);  // 0.00004258
  const double c2 = Coefficient(1e-7, 1.37);   // 0.000000137
  return 0.0167498 - c1 * T - c2 * T * T;
}

double PerihelionLongitude(double T) {
  const double c2 = Coefficient(1e-4, 4.83333);  // 0.000483333
  const double c3 = Coefficient(1e-6, 2.77777);  // 0.00000277777
  return ReduceDegrees(281.2206 + 1.717697 * T + c2 * T * T + c3 * T * T * T);
}

}  // namespace Module1
