// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chart/curve_sample.h"
#include "platform/core/palette.h"

// The chart as data: the fixed frame (chart_geometry.h), the colours it is drawn
// in, the year in its box, and the curves, each the positions the window plots in
// the order it plots them. The window records each curve here as it draws it; the
// command line builds the same chart from the sweeps. Every picture of the chart
// (PNG, SVG, PDF, paper) is drawn from this (chart_painter.h).
namespace chart {

enum class CurveKind { kEquationOfTime, kRateOfChange };

// A plotted position, twips from the top left of the chart area.
struct ChartPoint {
  float x_twips, y_twips;
  bool operator==(const ChartPoint&) const = default;
};

struct ChartCurve {
  CurveKind kind;
  int16_t year;
  platform::Colour colour;          // 0xRRGGBB
  std::vector<ChartPoint> points;   // as plotted, in order
};

// The frame's colours; by default the light palette the window has without a
// desktop theme.
struct ChartColours {
  platform::Colour background = 0xEFEFEF;  // the window's face
  platform::Colour ink = 0x000000;         // lines and captions
  platform::Colour box_fill = 0xEFEFEF;    // the year box
  platform::Colour box_border = 0x9F9F9F;
  platform::Colour box_text = 0x000000;
};

// The colours of the curves. Back moves the next equation-of-time curve to the
// next of the first kCurveColours palette colours (QBColor 0, black; 1, blue; 2,
// green; ... 12), and after the last back to the first; the rate curve is always red.
inline constexpr int kCurveColours = 13;
inline constexpr platform::Colour kRateColour = platform::RGB(255, 0, 0);

// The colour index after `index`, as Back moves it: 0..12, then 0 again.
inline int16_t NextCurveColourIndex(int16_t index) {
  const int16_t next = static_cast<int16_t>(index + 1);
  return next > kCurveColours - 1 ? int16_t{0} : next;
}

// The colour of the equation-of-time curve drawn with colour index `index`.
inline platform::Colour CurveColour(int16_t index) { return platform::QBColor(index); }

// The colour index of the n-th year (from 0) drawn with Back in between, starting
// from a new chart: NextCurveColourIndex applied n times.
inline int16_t CurveColourIndexOfNth(std::size_t n) { return static_cast<int16_t>(n % kCurveColours); }

struct Chart {
  ChartColours colours;
  std::string year_text;  // what the year box shows
  std::vector<ChartCurve> curves;  // in drawing order: a later curve lies over an earlier one

  // Adds a curve over the others. The same curve drawn again (kind, year and
  // colour) covers exactly the pixels it covered before, so the earlier copy goes:
  // redrawing a curve again and again does not grow the chart.
  void AddCurve(ChartCurve curve);
  void ClearCurves() { curves.clear(); }
};

// The curve a sweep gives, as plotted.
ChartCurve CurveOf(CurveKind kind, int16_t year, platform::Colour colour, const std::vector<CurveSample>& samples);

// The chart of `years` as the window draws it when each year is confirmed and drawn
// with Back in between: year i in the palette colour Back gives it (i mod 13), and
// with `rate` the red rate curve of the last year; the box shows the last year.
Chart ChartOfYears(const std::vector<int16_t>& years, bool rate);

// One line of the legend: "2002年", "2002年 一次微分".
struct LegendEntry {
  std::string text;
  platform::Colour colour;
  CurveKind kind;
};
// One entry per curve, in drawing order (AddCurve keeps each curve once).
std::vector<LegendEntry> LegendOf(const Chart& chart);

}  // namespace chart
