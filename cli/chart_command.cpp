// SPDX-License-Identifier: MIT
#include "cli/chart_command.h"

#include <cstdint>

#include "cli/errors.h"
#include "cli/output_file.h"
#include "cli/values.h"

namespace cli {

Command ChartCommand(ChartRenderer render) {
  Command command;
  command.name = "chart";
  command.synopsis = "YEAR [YEAR ...] [--rate] --output FILE.png|-";
  command.summary = "the chart of the graph window as a PNG image";
  command.help =
      "Draws the graph window's chart with one equation-of-time curve per YEAR, in the\n"
      "colours the window gives successive years (black, blue, green, ...), and with\n"
      "--rate the red rate-of-change curve of the last YEAR; writes it as a PNG image\n"
      "of the window's chart area. --output - writes the image to standard output.\n"
      "A file is replaced whole or not at all (a symbolic link is followed); a named\n"
      "pipe or device is written into.\n";
  command.options = {{"rate", "r", "", "the rate-of-change curve of the last year too"},
                     {"output", "o", "FILE", "where the image goes; - for standard output"}};
  command.min_operands = 1;
  command.max_operands = SIZE_MAX;
  command.operands_usage = "at least one YEAR";
  command.run = [render](const ParsedCommand& parsed, CommandOutput& out) {
    if (!parsed.Has("output")) throw UsageError{"chart needs --output FILE.png (or - for standard output)"};
    ChartRequest request;
    for (const std::string& text : parsed.operands) request.years.push_back(ReadYear("YEAR", text));
    request.rate = parsed.Has("rate");
    const std::string png = render(request);
    const std::string& path = parsed.Value("output");
    if (path == "-") {
      out += png;
    } else {
      WriteOutputFile(path, png);
    }
  };
  return command;
}

}  // namespace cli
