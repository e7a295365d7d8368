// SPDX-License-Identifier: MIT
#include "cli/chart_command.h"

#include <cstdint>

#include "cli/drawing_commands.h"
#include "cli/echo.h"
#include "cli/errors.h"
#include "cli/output_file.h"
#include "cli/values.h"

namespace cli {
namespace {

// The format --format names, else the one the file name's extension names.
graph::ChartFormat FormatOf(const ParsedCommand& parsed) {
  if (parsed.Has("format")) {
    const std::string& name = parsed.Value("format");
    if (const auto format = graph::ChartFormatNamed(name)) return *format;
    throw ValueError{"--format " + Echo(name) + " is not png, svg or pdf"};
  }
  const std::string& path = parsed.Value("output");
  if (path == "-") throw UsageError{"chart --output - needs --format png|svg|pdf"};
  if (const auto format = graph::ChartFormatOfFileName(path)) return *format;
  throw UsageError{"chart cannot tell the format of " + Echo(path) +
                   " from its name (.png, .svg or .pdf); give --format png|svg|pdf"};
}

}  // namespace

Command ChartCommand(ChartRenderer render) {
  Command command = ChartCommandDescription();
  command.run = [render](const ParsedCommand& parsed, CommandOutput& out) {
    if (!parsed.Has("output")) throw UsageError{"chart needs --output FILE.png|.svg|.pdf (or - for standard output)"};
    ChartRequest request;
    request.format = FormatOf(parsed);
    for (const std::string& text : parsed.operands) request.years.push_back(ReadYear("YEAR", text));
    request.rate = parsed.Has("rate");
    request.legend = parsed.Has("legend");
    DeliverOutput(parsed.Value("output"), render(request), out);
  };
  return command;
}

}  // namespace cli
