// SPDX-License-Identifier: MIT
#include "cli/drawing_commands.h"

#include <cstdint>

namespace cli {

Command ChartCommandDescription() {
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
  return command;
}

Command CardCommandDescription() {
  Command command;
  command.name = "card";
  command.synopsis = "YEAR --longitude DEG [--zone ZONE] [--output FILE] [--format pdf|svg] [--lang ja|en]";
  command.summary = "the correction card beside a sundial, one A4 page";
  command.help =
      "One A4 portrait page with a row for each day 1..31 and a column for each month:\n"
      "in each cell the minutes and seconds to add to the dial's reading to get the\n"
      "zone's standard time at the dial's noon, signed (+9:56, -3:05): the values of\n"
      "noon read on the standard-time clock. Days in summer time are shaded, and a note\n"
      "says how much more to add then. The title names the longitude, the zone and the\n"
      "year; a line states the method. YEAR is 1..32767; DEG and ZONE as for noon\n"
      "(the default zone is TZ's, or the system's).\n"
      "The page goes to FILE, or to standard output when --output is not given (not to\n"
      "a terminal). The format is --format, else FILE's extension (.pdf, .svg), else\n"
      "PDF. The text is Japanese unless --lang en.\n";
  command.options = {{"longitude", "l", "DEG", "the dial's longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"output", "o", "FILE", "where the page goes (default: standard output)"},
                     {"format", "f", "FORMAT", "pdf or svg (default: from FILE's extension, else pdf)"},
                     {"lang", "", "LANG", "ja (default) or en"}};
  command.min_operands = 1;
  command.max_operands = 1;
  command.operands_usage = "YEAR";
  return command;
}

}  // namespace cli
