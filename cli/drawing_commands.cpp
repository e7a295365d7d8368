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

Command NoonMarkCommandDescription() {
  Command command;
  command.name = "noonmark";
  command.synopsis =
      "--latitude DEG --longitude DEG [--zone ZONE] --height MM [--surface floor|wall] [--time HH:MM] "
      "[--year YEAR] [--no-refraction] [--output FILE] [--format svg|pdf|csv] [--paper a4|a3|letter]";
  command.summary = "the noon mark (analemma) of a nodus on a floor or wall, at true size";
  command.help =
      "The figure of eight that the shadow of a nodus (a hole in a plate, a ball on a\n"
      "rod) traces through YEAR at one clock time: for each day, where the shadow falls.\n"
      "The nodus stands MM millimetres above a horizontal floor (--surface floor, the\n"
      "default) or from a vertical wall facing the equator (--surface wall: due south\n"
      "at northern latitudes, due north at southern ones; refused within 1 degree of\n"
      "the equator). The clock time is --time (default 12:00) of ZONE's standard time,\n"
      "never summer time: the offset in force on 1 January of YEAR without its\n"
      "summer-time part. YEAR is 1..32767, the present year by default. DEG and ZONE as\n"
      "for noon; the latitude is -90..90, north positive.\n"
      "Each day: UT is the clock time less the offset; the hour angle comes from the\n"
      "longitude and the equation of time, the declination from the engine's elements,\n"
      "then the altitude and azimuth, with standard refraction (Saemundsson's formula,\n"
      "1010 hPa, 10 C) unless --no-refraction, and the shadow of the nodus. A day has no\n"
      "point when the Sun is down, behind the wall, or the shadow falls more than 20 x MM\n"
      "from the foot of the nodus.\n"
      "csv: RFC 4180 with the header date,x_mm,y_mm,altitude_deg,azimuth_deg; x east,\n"
      "y north on the floor and up on the wall, from the foot of the nodus (the point\n"
      "under it, or opposite it on the wall); azimuth from north through east.\n"
      "pdf, svg: true size (1 mm on paper = 1 mm on the surface), as seen from above or\n"
      "from in front: the figure, the 1st, 11th and 21st of each month, the days nearest\n"
      "the solstices and equinoxes, the meridian (the shadow at apparent noon), the foot,\n"
      "north or up, a 100 mm scale bar and the inputs. A PDF larger than the paper is\n"
      "cut into pages that overlap by 10 mm, with alignment marks, after a first page\n"
      "that maps them; more than 200 pages are refused. An SVG larger than the paper is\n"
      "one drawing of the figure's own size, up to 100 m. Texts are Japanese unless\n"
      "--lang en.\n"
      "The output goes to FILE, or to standard output (a page not to a terminal). The\n"
      "format is --format, else FILE's extension (.pdf, .svg, .csv), else PDF.\n";
  command.options = {{"latitude", "", "DEG", "the nodus's latitude, degrees north (south negative)"},
                     {"longitude", "l", "DEG", "its longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"height", "", "MM", "from the nodus to the floor or wall, millimetres"},
                     {"surface", "", "KIND", "floor (default) or wall (facing the equator)"},
                     {"time", "", "HH:MM", "the clock time of standard time (default 12:00)"},
                     {"year", "", "YEAR", "the year (default: the present one)"},
                     {"no-refraction", "", "", "the Sun's geometric direction, without refraction"},
                     {"output", "o", "FILE", "where it goes (default: standard output)"},
                     {"format", "f", "FORMAT", "svg, pdf or csv (default: from FILE's extension, else pdf)"},
                     {"paper", "", "PAPER", "a4 (default), a3 or letter"},
                     {"lang", "", "LANG", "ja (default) or en"}};
  command.min_operands = 0;
  command.max_operands = 0;
  command.operands_usage = "no operands";
  return command;
}

}  // namespace cli
