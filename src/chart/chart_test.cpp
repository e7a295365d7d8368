// SPDX-License-Identifier: MIT
#include "chart/chart.h"

#include <gtest/gtest.h>

#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"

namespace {

using chart::CurveKind;

// The window moves its colour index with Back; the command line picks the n-th
// year's colour directly. Both must name the same colour for every n.
TEST(CurveColours, TheNthYearHasTheColourBackGivesIt) {
  int16_t index = 0;
  for (std::size_t n = 0; n < 40; ++n) {
    EXPECT_EQ(chart::CurveColourIndexOfNth(n), index) << "year " << n;
    index = chart::NextCurveColourIndex(index);
  }
  EXPECT_EQ(chart::NextCurveColourIndex(12), 0) << "after the thirteenth colour, the first";
}

TEST(ChartOfYears, CurvesInBacksColoursThenTheRateOfTheLastYear) {
  std::vector<int16_t> years;
  for (int16_t year = 2000; year < 2015; ++year) years.push_back(year);  // 15: past the 13 colours
  const chart::Chart chart = chart::ChartOfYears(years, true);
  ASSERT_EQ(chart.curves.size(), 16u);
  const struct {
    std::size_t curve;
    CurveKind kind;
    int16_t year;
    platform::Colour colour;
  } kCases[] = {
      {0, CurveKind::kEquationOfTime, 2000, 0x000000},  {1, CurveKind::kEquationOfTime, 2001, 0x000080},
      {12, CurveKind::kEquationOfTime, 2012, 0xFF0000}, {13, CurveKind::kEquationOfTime, 2013, 0x000000},
      {14, CurveKind::kEquationOfTime, 2014, 0x000080}, {15, CurveKind::kRateOfChange, 2014, 0xFF0000},
  };
  for (const auto& c : kCases) {
    const chart::ChartCurve& curve = chart.curves[c.curve];
    EXPECT_EQ(curve.kind, c.kind) << "curve " << c.curve;
    EXPECT_EQ(curve.year, c.year) << "curve " << c.curve;
    EXPECT_EQ(curve.colour, c.colour) << "curve " << c.curve;
  }
  EXPECT_EQ(chart.year_text, "2014");
  // The samples are the sweeps' plotted positions, in order.
  const auto rate = chart::SweepRateOfChange(2014);
  ASSERT_EQ(chart.curves[15].points.size(), rate.size());
  EXPECT_EQ(chart.curves[15].points[1826], (chart::ChartPoint{rate[1826].plot_x_twips, rate[1826].plot_y_twips}));
}

TEST(Chart, TheSameCurveDrawnAgainReplacesItsEarlierCopy) {
  chart::Chart chart;
  const auto curve = [](CurveKind kind, int16_t year, platform::Colour colour) {
    return chart::ChartCurve{kind, year, colour, {{840, 100}}};
  };
  chart.AddCurve(curve(CurveKind::kEquationOfTime, 2002, 0));
  chart.AddCurve(curve(CurveKind::kEquationOfTime, 2003, 0x80));
  chart.AddCurve(curve(CurveKind::kEquationOfTime, 2002, 0x80));  // another colour: a curve of its own
  chart.AddCurve(curve(CurveKind::kRateOfChange, 2002, 0xFF0000));
  chart.AddCurve(curve(CurveKind::kEquationOfTime, 2002, 0));      // moves over the others
  ASSERT_EQ(chart.curves.size(), 4u);
  EXPECT_EQ(chart.curves.back().year, 2002);
  EXPECT_EQ(chart.curves.back().colour, 0u);
  EXPECT_EQ(chart.curves.front().year, 2003);

  const std::vector<chart::LegendEntry> legend = chart::LegendOf(chart);
  const struct {
    const char* text;
    platform::Colour colour;
  } kLegend[] = {{"2003年", 0x80}, {"2002年", 0x80}, {"2002年 一次微分", 0xFF0000}, {"2002年", 0}};
  ASSERT_EQ(legend.size(), std::size(kLegend));
  for (std::size_t i = 0; i < legend.size(); ++i) {
    EXPECT_EQ(legend[i].text, kLegend[i].text) << "entry " << i;
    EXPECT_EQ(legend[i].colour, kLegend[i].colour) << "entry " << i;
  }
  EXPECT_EQ(chart::LegendOf(chart::ChartOfYears({-2000}, false))[0].text, "-2000年");
  chart.ClearCurves();
  EXPECT_TRUE(chart::LegendOf(chart).empty());
}

}  // namespace
