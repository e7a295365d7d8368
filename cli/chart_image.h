// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

struct ChartRequest {
  std::vector<int16_t> years;  // one equation-of-time curve each, in palette order
  bool rate = false;           // the rate-of-change curve of the last year too
};

// Draws the chart with the real graph window, offscreen, as a person would: each
// year confirmed and drawn, Back between years (so each curve takes the next
// palette colour), the rate curve of the last year on request. Returns the
// window's chart area as PNG bytes, encoded in memory; throws ValueError if the
// window reported an error. Needs a QApplication.
std::string RenderChartPng(const ChartRequest& request);

}  // namespace cli
