// SPDX-License-Identifier: MIT
#include "engine/equation_of_time.h"

#include <cmath>

#include "engine/solar_elements.h"
#include "platform/core/runtime_error.h"

namespace Module1 {

double EquationOfTime(double eps, double L, double /*varpi*/, double M, double e) {
  using platform::CheckFloatingPoint;
  // Each degree conversion multiplies by π first and divides by the integer after.
  const double half_obliquity_tan = std::tan(eps * Pi / 360);
  const double y = half_obliquity_tan * half_obliquity_tan;  // tan²(ε/2)
  const double sin_M = std::sin(M * Pi / 180);
  const double two_L = L * Pi / 90;

  const double a = CheckFloatingPoint(y * std::sin(two_L));  // y sin 2L
  const double b = -(2 * e) * sin_M;                         // −2e sin M
  const double c = 4 * e * y * sin_M * std::cos(two_L);      // 4ey sin M cos 2L
  // −½y² sin 4L, y² as the product of four tangent factors.
  const double d = CheckFloatingPoint(-0.5 * half_obliquity_tan * half_obliquity_tan *
                                      half_obliquity_tan * half_obliquity_tan *
                                      std::sin(L * Pi / 45));
  const double five_quarters = CheckFloatingPoint(-5.0 / 4);
  const double f = five_quarters * e * e * std::sin(M * Pi / 90);  // −(5/4)e² sin 2M
  return a + b + c + d + f;
}

}  // namespace Module1
