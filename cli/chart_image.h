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
  graph::ChartFormat format = graph::ChartFormat::kPng;
};

// Draws the chart with the real graph window, offscreen, as a person would: each
// year confirmed and drawn, Back between years (so each curve takes the next
// palette colour), the rate curve of the last year on request. Returns the chart
// as the bytes of an image file, encoded in memory: PNG is the window's chart area
// as shown, SVG and PDF the same chart drawn as vectors at its true size. Throws
// ValueError if the window reported an error. Needs a QApplication.
std::string RenderChart(const ChartRequest& request);

}  // namespace cli
