// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"

namespace {

using chart::CurveSample;

bool ByValue(const CurveSample& a, const CurveSample& b) { return a.value < b.value; }

TEST(SweepEquationOfTime, CountAndEndsForAnyYear) {
  for (int16_t year : {2002, 2004, 1900, -500, 0, -32768, 32767}) {
    const auto samples = chart::SweepEquationOfTime(year);
    ASSERT_EQ(samples.size(), 2436u) << year;
    EXPECT_EQ(samples.front().plot_x_twips, 840.0f) << year;
    // Accumulated 0.15 steps leave the last offset just under 365.25.
    EXPECT_EQ(samples.back().day_offset, 365.2499999999903) << year;
    EXPECT_NEAR(samples.back().x_twips, 9780, 1e-6) << year;
  }
}

TEST(SweepEquationOfTime, WorkedExampleOf2002) {
  const auto samples = chart::SweepEquationOfTime(2002);
  const auto& first = samples.front();
  EXPECT_EQ(first.julian_day, 2452275.5);
  EXPECT_NEAR(first.value, -3.3036, 0.00005);
  EXPECT_NEAR(first.plot_y_twips, 3825.27, 0.005);

  const struct {
    const char* name;
    const CurveSample& sample;
    double day_offset, julian_day, minutes, y_twips;
  } kExtremes[] = {
      {"lowest", *std::min_element(samples.begin(), samples.end(), ByValue), 41.55, 2452317.05, -14.2719, 5569.24},
      {"highest", *std::max_element(samples.begin(), samples.end(), ByValue), 306.45, 2452581.95, 16.4705, 681.19},
  };
  for (const auto& c : kExtremes) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.sample.day_offset, c.day_offset, 1e-9);
    EXPECT_NEAR(c.sample.julian_day, c.julian_day, 1e-6);
    EXPECT_NEAR(c.sample.value, c.minutes, 0.00005);
    EXPECT_NEAR(c.sample.plot_y_twips, c.y_twips, 0.005);
  }
  // One step after the last of 2,436 samples: 365.4 days on, to accumulated rounding.
  EXPECT_NEAR(chart::JulianDayAfterSweep(samples), 2452275.5 + 2436 * 0.15, 1e-6);
}

TEST(SweepEquationOfTime, MinutesMapToTheChartScale) {
  // y = 3300 − m / 20 × 3180 for every sample: 0 on the zero line, ±10 at 1710/4890.
  for (const auto& s : chart::SweepEquationOfTime(1999)) {
    ASSERT_EQ(s.plot_y_twips, static_cast<float>(3300 - s.value / 20 * 3180));
  }
}

TEST(SweepRateOfChange, CountAndEndsForAnyYear) {
  for (int16_t year : {2002, 2004, -500, 32767}) {
    const auto samples = chart::SweepRateOfChange(year);
    ASSERT_EQ(samples.size(), 3653u) << year;
    EXPECT_NEAR(samples.front().x_twips, 864.476386036961, 1e-9) << year;
    EXPECT_EQ(samples.back().day_offset, 365.20000000001454) << year;
    EXPECT_NEAR(samples.back().x_twips, 9803.25, 0.005) << year;
  }
}

TEST(SweepRateOfChange, WorkedExampleOf2002) {
  const auto samples = chart::SweepRateOfChange(2002);
  const auto& first = samples.front();
  EXPECT_EQ(first.julian_day, 2452275.875);
  EXPECT_NEAR(first.value, -0.4708, 0.00005);
  EXPECT_NEAR(first.plot_x_twips, 864.48, 0.005);
  EXPECT_NEAR(first.plot_y_twips, 5418.78, 0.005);

  const struct {
    const char* name;
    const CurveSample& sample;
    double day_offset, rate, y_twips;
  } kExtremes[] = {
      {"largest", *std::max_element(samples.begin(), samples.end(), ByValue), 259.2, 0.3565, 1695.87},
      {"smallest", *std::min_element(samples.begin(), samples.end(), ByValue), 355.6, -0.4963, 5533.49},
  };
  for (const auto& c : kExtremes) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.sample.day_offset, c.day_offset, 1e-9);
    EXPECT_NEAR(c.sample.value, c.rate, 0.00005);
    EXPECT_NEAR(c.sample.plot_y_twips, c.y_twips, 0.005);
  }
}

}  // namespace
