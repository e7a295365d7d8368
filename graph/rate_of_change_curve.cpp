// SPDX-License-Identifier: MIT
#include "graph/rate_of_change_curve.h"

#include "engine/module1.h"

namespace graph {
namespace {
constexpr double kStepDays = 0.1;
constexpr double kSpanDays = 365.25;
}  // namespace

std::vector<CurveSample> SweepRateOfChange(int16_t year) {
  using namespace Module1;
  std::vector<CurveSample> samples;
  samples.reserve(3653);
  double julian_day = JulianDay(year, 1, 9.0 / 24 + 1);
  double day_offset = 0;
  double remaining_days = kSpanDays;
  const double dt = kStepDays;
  while (remaining_days > 0) {
    // Both instants are evaluated afresh; the second one of this sample is the
    // first one of the next, but nothing is carried over.
    const double T1 = JulianCenturies(julian_day);
    const double T2 = JulianCenturies(julian_day + dt);
    const double eps1 = Obliquity(T1);
    const double eps2 = Obliquity(T2);
    const double L1 = SunMeanLongitude(T1);
    const double L2 = SunMeanLongitude(T2);
    const double varpi1 = PerihelionLongitude(T1);
    const double varpi2 = PerihelionLongitude(T2);
    const double e1 = OrbitEccentricity(T1);
    const double e2 = OrbitEccentricity(T2);
    const double M1 = L1 - varpi1;
    const double M2 = L2 - varpi2;
    const double E1 = EquationOfTime(eps1, L1, varpi1, M1, e1);
    const double E2 = EquationOfTime(eps2, L2, varpi2, M2, e2);
    const double rate = 4 * (E2 - E1) / dt * 180 / Pi;  // minutes of time per day
    const double x_twips = (840 + 8940 / 365.25) + day_offset * 8940 / 365.25;
    const double y_twips = 3300 - rate * 4500;
    samples.push_back({julian_day, day_offset, rate, x_twips, static_cast<float>(x_twips),
                       static_cast<float>(y_twips)});
    day_offset += dt;
    julian_day += dt;
    remaining_days -= dt;
  }
  return samples;
}

}  // namespace graph
