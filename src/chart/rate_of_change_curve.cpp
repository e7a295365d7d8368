// SPDX-License-Identifier: MIT
#include "chart/rate_of_change_curve.h"

#include "engine/module1.h"
#include "chart/chart_geometry.h"

namespace chart {
namespace {
constexpr double kStepDays = 0.1;
}  // namespace

std::vector<CurveSample> SweepRateOfChange(int16_t year) {
  using namespace Module1;
  std::vector<CurveSample> samples;
  samples.reserve(3653);
  double julian_day = JulianDay(year, 1, 9.0 / 24 + 1);
  double day_offset = 0;
  double remaining_days = chart::area::kSpanDays;
  const double dt = kStepDays;
  while (remaining_days > 0) {
    // Both instants are evaluated afresh; the second one of this sample is the
    // first one of the next, but nothing is carried over.
    const SolarElements first = ElementsAt(JulianCenturies(julian_day));
    const SolarElements second = ElementsAt(JulianCenturies(julian_day + dt));
    const double E1 = EquationOfTime(first);
    const double E2 = EquationOfTime(second);
    const double rate = 4 * (E2 - E1) / dt * 180 / Pi;  // minutes of time per day
    const double x_twips = (chart::area::kLeftTwips + chart::area::kWidthTwips / chart::area::kSpanDays) +
                           day_offset * chart::area::kWidthTwips / chart::area::kSpanDays;
    const double y_twips = chart::area::kZeroLineTwips - rate * chart::area::kRateTwipsPerMinutePerDay;
    samples.push_back({julian_day, day_offset, rate, x_twips, static_cast<float>(x_twips),
                       static_cast<float>(y_twips)});
    day_offset += dt;
    julian_day += dt;
    remaining_days -= dt;
  }
  return samples;
}

}  // namespace chart
