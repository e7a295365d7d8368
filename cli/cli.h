// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// orvalin-cli: the equation of time from the command line, computed by the same
// engine and read with the same conversions as the windows.
namespace cli {

enum ExitStatus : int { kOk = 0, kValueError = 1, kUsageError = 2 };

struct ChartRequest {
  std::vector<int16_t> years;  // one equation-of-time curve each, in palette order
  bool rate = false;           // the rate-of-change curve of the last year too
  std::string output_path;     // PNG
};

// Draws the chart and writes it; returns an empty string or what went wrong.
using ChartRenderer = std::function<std::string(const ChartRequest&)>;

// Runs one command line (without the program name). Text goes to `out`, one-line
// complaints to `err`; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ChartRenderer& render_chart);

}  // namespace cli
