// SPDX-License-Identifier: MIT
#include "chart/equation_of_time_curve.h"

#include "engine/module1.h"
#include "chart/chart_geometry.h"

namespace chart {
namespace {
constexpr double kStepDays = 0.15;
}  // namespace

std::vector<CurveSample> SweepEquationOfTime(int16_t year) {
  using namespace Module1;
  std::vector<CurveSample> samples;
  samples.reserve(2436);
  double julian_day = JulianDay(year, 1, 1);
  double day_offset = 0;
  double remaining_days = chart::area::kSpanDays;
  while (remaining_days > 0) {
    const double E = EquationOfTime(ElementsAt(JulianCenturies(julian_day)));
    const double minutes = 4 * E * 180 / Pi;
    const double x_twips = chart::area::kLeftTwips + day_offset * chart::area::kWidthTwips / chart::area::kSpanDays;
    const auto y_twips = static_cast<float>(chart::area::kZeroLineTwips -
                                            minutes / chart::area::kMinutesToEdge * chart::area::kTwipsToEdge);
    samples.push_back({julian_day, day_offset, minutes, x_twips, static_cast<float>(x_twips), y_twips});
    day_offset += kStepDays;
    julian_day += kStepDays;
    remaining_days -= kStepDays;
  }
  return samples;
}

double JulianDayAfterSweep(const std::vector<CurveSample>& samples) {
  return samples.empty() ? 0 : samples.back().julian_day + kStepDays;
}

}  // namespace chart
