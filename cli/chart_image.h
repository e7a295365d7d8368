// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graph/chart_export.h"

namespace cli {

struct ChartRequest {
  std::vector<int16_t> years;  // one equation-of-time curve each, in palette order
  bool rate = false;           // the rate-of-change curve of the last year too
  bool legend = false;         // a legend under the chart
  graph::ChartFormat format = graph::ChartFormat::kPng;
};

// The chart of the years as the graph window draws it (each year in the colour Back
// gives it, the rate of the last year in red), built from the sweeps and drawn
// without a window, as the bytes of an image file: PNG is the window's picture
// pixel for pixel, SVG and PDF the same chart as vectors at its true size. Throws
// ValueError if it could not be encoded. Needs a QGuiApplication (the fonts).
std::string RenderChart(const ChartRequest& request);

}  // namespace cli
