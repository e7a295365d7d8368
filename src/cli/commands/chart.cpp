// SPDX-License-Identifier: MIT
// `orvalin-cli chart`: the graph window's chart as a PNG, SVG or PDF file.
#include <cstdint>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_format.h"
#include "cli/commands/command_table.h"
#include "cli/io/drawing_module.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/output_file.h"
#include "cli/io/values.h"

namespace cli {
namespace {

// The format --format names, else the one the file name's extension names.
chart::ChartFormat FormatOf(const ParsedCommand& parsed) {
  if (parsed.Has("format")) {
    const std::string& name = parsed.Value("format");
    if (const auto format = chart::ChartFormatNamed(name)) return *format;
    throw ValueError{"--format " + Echo(name) + " is not png, svg or pdf"};
  }
  const std::string& path = parsed.Value("output");
  if (path == "-") throw UsageError{"chart --output - needs --format png|svg|pdf"};
  if (const auto format = chart::ChartFormatOfFileName(path)) return *format;
  throw UsageError{"chart cannot tell the format of " + Echo(path) +
                   " from its name (.png, .svg or .pdf); give --format png|svg|pdf"};
}

}  // namespace

Command ChartCommand() {
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
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    if (!parsed.Has("output")) throw UsageError{"chart needs --output FILE.png|.svg|.pdf (or - for standard output)"};
    const chart::ChartFormat format = FormatOf(parsed);
    std::vector<int16_t> years;
    for (const std::string& text : parsed.operands) years.push_back(ReadYear("YEAR", text));
    // Each year in the colour Back gives it, the rate of the last year in red: the
    // chart model the window draws from, built from the same sweeps.
    const chart::Chart chart = chart::ChartOfYears(years, parsed.Has("rate"));
    DeliverOutput(parsed.Value("output"), LoadedDrawing().Chart(chart, format, parsed.Has("legend")), out);
  };
  return command;
}

}  // namespace cli
