// SPDX-License-Identifier: MIT
#include "cli/chart_command.h"

#include <cstdint>

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
  Command command;
  command.name = "chart";
  command.synopsis = "YEAR [YEAR ...] [--rate] [--legend] --output FILE|- [--format png|svg|pdf]";
  command.summary = "the chart of the graph window as a PNG, SVG or PDF file";
  command.help =
      "Draws the graph window's chart with one equation-of-time curve per YEAR, in the\n"
      "colours the window gives successive years (black, blue, green, ...), and with\n"
      "--rate the red rate-of-change curve of the last YEAR, and writes it as an image.\n"
      "With --legend a legend under the chart names each curve in its colour\n"
      "(\"2002年\", \"2002年 一次微分\"); the chart itself stays as it is.\n"
      "PNG is the window's chart area as shown; SVG and PDF hold the same chart as\n"
      "vectors - grid lines, labels as text in the Japanese face that draws them\n"
      "(named in the SVG, embedded in the PDF), each curve a path through the points\n"
      "the window plots - at its true size, 15 twips a pixel and 1,440 twips an inch\n"
      "(6.98 x 4.91 inches), so it prints at the size it has on screen.\n"
      "The format comes from the extension of FILE (.png, .svg, .pdf); --format\n"
      "overrides it and is needed with --output - (standard output) or a name without\n"
      "one of those extensions. A file is replaced whole or not at all (a symbolic\n"
      "link is followed); a named pipe or device is written into.\n";
  command.options = {{"rate", "r", "", "the rate-of-change curve of the last year too"},
                     {"legend", "", "", "a legend under the chart, one entry per curve"},
                     {"output", "o", "FILE", "where the image goes; - for standard output"},
                     {"format", "f", "FORMAT", "png, svg or pdf (default: from FILE's extension)"}};
  command.min_operands = 1;
  command.max_operands = SIZE_MAX;
  command.operands_usage = "at least one YEAR";
  command.run = [render](const ParsedCommand& parsed, CommandOutput& out) {
    if (!parsed.Has("output")) throw UsageError{"chart needs --output FILE.png|.svg|.pdf (or - for standard output)"};
    ChartRequest request;
    request.format = FormatOf(parsed);
    for (const std::string& text : parsed.operands) request.years.push_back(ReadYear("YEAR", text));
    request.rate = parsed.Has("rate");
    request.legend = parsed.Has("legend");
    const std::string image = render(request);
    const std::string& path = parsed.Value("output");
    if (path == "-") {
      out += image;
    } else {
      WriteOutputFile(path, image);
    }
  };
  return command;
}

}  // namespace cli
