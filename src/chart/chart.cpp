// SPDX-License-Identifier: MIT
#include "chart/chart.h"

#include <algorithm>

#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"
#include "platform/core/convert.h"

namespace chart {

void Chart::AddCurve(ChartCurve curve) {
  std::erase_if(curves, [&curve](const ChartCurve& drawn) {
    return drawn.kind == curve.kind && drawn.year == curve.year && drawn.colour == curve.colour;
  });
  curves.push_back(std::move(curve));
}

ChartCurve CurveOf(CurveKind kind, int16_t year, platform::Colour colour, const std::vector<CurveSample>& samples) {
  ChartCurve curve{kind, year, colour, {}};
  curve.points.reserve(samples.size());
  for (const CurveSample& sample : samples) curve.points.push_back({sample.plot_x_twips, sample.plot_y_twips});
  return curve;
}

Chart ChartOfYears(const std::vector<int16_t>& years, bool rate) {
  Chart chart;
  for (std::size_t i = 0; i < years.size(); ++i) {
    const platform::Colour colour = CurveColour(CurveColourIndexOfNth(i));
    chart.AddCurve(CurveOf(CurveKind::kEquationOfTime, years[i], colour, SweepEquationOfTime(years[i])));
  }
  if (!years.empty()) {
    chart.year_text = platform::NumberToText(years.back());
    if (rate) {
      chart.AddCurve(CurveOf(CurveKind::kRateOfChange, years.back(), kRateColour, SweepRateOfChange(years.back())));
    }
  }
  return chart;
}

std::vector<LegendEntry> LegendOf(const Chart& chart) {
  std::vector<LegendEntry> legend;
  for (const ChartCurve& curve : chart.curves) {
    std::string text = platform::NumberToText(curve.year) + "年";
    if (curve.kind == CurveKind::kRateOfChange) text += " 一次微分";
    legend.push_back({std::move(text), curve.colour, curve.kind});
  }
  return legend;
}

}  // namespace chart
