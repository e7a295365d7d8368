// SPDX-License-Identifier: MIT
#include "graph/equation_of_time_curve.h"

#include "engine/module1.h"

namespace graph {
namespace {
constexpr double kStepDays = 0.15;
constexpr double kSpanDays = 365.25;
}  // namespace

std::vector<CurveSample> SweepEquationOfTime(int16_t year) {
  using namespace Module1;
  std::vector<CurveSample> samples;
  samples.reserve(2436);
  double julian_day = JulianDay(year, 1, 1);
  double day_offset = 0;
  double remaining_days = kSpanDays;
  while (remaining_days > 0) {
    const double T = JulianCenturies(julian_day);
    const double eps = Obliquity(T);
    const double L = SunMeanLongitude(T);
    const double varpi = PerihelionLongitude(T);
    const double e = OrbitEccentricity(T);
    const double M = L - varpi;
    const double E = EquationOfTime(eps, L, varpi, M, e);
    const double minutes = 4 * E * 180 / Pi;
    const double x_twips = 840 + day_offset * 8940 / 365.25;
    const auto y_twips = static_cast<float>(3300 - minutes / 20 * 3180);
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

}  // namespace graph
