// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "cli/chart_image.h"
#include "cli/command.h"

namespace cli {

// Draws the chart and gives its image bytes; throws ValueError.
using ChartRenderer = std::function<std::string(const ChartRequest&)>;

// `chart YEAR... [--rate] --output FILE|-`: the graph window's chart as an image,
// to a file (see WriteOutputFile) or to standard output.
Command ChartCommand(ChartRenderer render);

}  // namespace cli
