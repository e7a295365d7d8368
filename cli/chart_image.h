// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/cli.h"

namespace cli {

// Draws the chart with the real graph window, offscreen, as a person would: each
// year confirmed and drawn, Back between years (so each curve takes the next
// palette colour), the rate curve of the last year on request. Writes the window's
// chart area as a PNG through a temporary file, so a failure leaves no partial file.
// Needs a QApplication. Returns an empty string or what went wrong.
std::string RenderChartImage(const ChartRequest& request);

}  // namespace cli
