// SPDX-License-Identifier: MIT
// `orvalin-cli noonmark`: the figure the shadow of a nodus traces at one clock
// time through a year, as CSV or at true size on paper.
#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <optional>
#include <vector>

#include "cli/commands/command_table.h"
#include "cli/io/day_value.h"
#include "cli/io/decimal_text.h"
#include "cli/io/drawing_module.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/option_parser.h"
#include "cli/io/output_file.h"
#include "cli/io/sheet_options.h"
#include "cli/io/values.h"
#include "cli/io/zone_argument.h"
#include "clock/dial_standard_time.h"
#include "sundial/noon_mark.h"

namespace cli {
namespace {

// The rows of the days with a point. x as the plate has it, to the right as seen
// facing it, but east on a wall facing north that --surface names, as it has
// always been given there.
std::string Csv(const sundial::NoonMark& mark) {
  const bool east = !mark.input.orientation && mark.input.surface == sundial::Surface::kWallFacingNorth;
  std::string csv = "date,x_mm,y_mm,altitude_deg,azimuth_deg\r\n";
  for (const sundial::NoonMarkDay& day : mark.days) {
    csv += IsoDate(mark.input.year, day.month, day.day) + ',' + Fixed(east ? -day.shadow.x_mm : day.shadow.x_mm, 1) + ',' +
           Fixed(day.shadow.y_mm, 1) + ',' + Fixed(day.altitude_degrees, 4) + ',' + Fixed(day.azimuth_degrees, 4) +
           "\r\n";
  }
  return csv;
}

// "2026-03-16 to 2026-09-27, 2026-12-01": the runs of dates without a point.
std::string RunsText(const sundial::NoonMark& mark, const std::vector<sundial::DateRun>& runs) {
  std::string text;
  for (const sundial::DateRun& run : runs) {
    if (!text.empty()) text += ", ";
    text += IsoDate(mark.input.year, run.first.month, run.first.day);
    if (run.days > 1) text += " to " + IsoDate(mark.input.year, run.last.month, run.last.day);
  }
  return text;
}

std::string ClockText(int minutes) {
  return std::string{static_cast<char>('0' + minutes / 600), static_cast<char>('0' + minutes / 60 % 10), ':',
                     static_cast<char>('0' + minutes % 60 / 10), static_cast<char>('0' + minutes % 10)};
}

}  // namespace

Command NoonMarkCommand() {
  Command command;
  command.name = "noonmark";
  command.synopsis =
      "--latitude DEG --longitude DEG [--zone ZONE] --height MM [--surface floor|wall | --facing AZ [--tilt DEG]] "
      "[--time HH:MM] [--year YEAR] [--no-refraction] [--output FILE] [--format svg|pdf|csv] "
      "[--paper a4|a3|letter] [--lang ja|en]";
  command.summary = "the noon mark (analemma) of a nodus on a floor, a wall or any plate, at true size";
  command.help =
      "The figure of eight that the shadow of a nodus (a hole in a plate, a ball on a\n"
      "rod) traces through YEAR at one clock time: for each day, where the shadow falls.\n"
      "The nodus stands MM millimetres above a horizontal floor (--surface floor, the\n"
      "default) or from a vertical wall facing the equator (--surface wall: due south\n"
      "at northern latitudes, due north at southern ones; refused within 1 degree of\n"
      "the equator), or from a plate facing --facing AZ (the azimuth its face looks\n"
      "towards, 0..360 from north through east, as facing prints it) and leaning\n"
      "--tilt DEG from the horizontal (0 a floor, 90 a wall, the default; more leans\n"
      "forward over its foot, 180 faces the ground); MM is 0.1..100000. The clock time\n"
      "is --time (default 12:00) of ZONE's standard time, the clock of winter: the\n"
      "lower of the offsets in force at the two solstices of YEAR (Europe/Dublin:\n"
      "UTC+00:00, though its tz data call UTC+01:00 standard). In summer time the mark\n"
      "is read that much later by the clock (13:00 for 12:00 in Berlin), as the sheet\n"
      "says. YEAR is 1..32767, the present year by default. DEG and ZONE as for noon;\n"
      "the latitude is -90..90, north positive.\n"
      "Each day: UT is the clock time less the offset; the hour angle comes from the\n"
      "longitude and the equation of time, the declination from the engine's elements,\n"
      "then the altitude and azimuth, with standard refraction (Saemundsson's formula,\n"
      "1010 hPa, 10 C) unless --no-refraction, and the shadow of the nodus. A day has no\n"
      "point when the Sun is down, behind the wall or plate, or the shadow falls more\n"
      "than 20 x MM from the foot of the nodus: inside the tropics the noon Sun stands\n"
      "behind a wall facing the equator for weeks or months, and a wall facing east or\n"
      "west gets the Sun at a clock time only part of the year. The dates without a\n"
      "point are named on standard error and on the sheet; a surface the Sun never\n"
      "reaches at that time is refused.\n"
      "csv: RFC 4180 with the header date,x_mm,y_mm,altitude_deg,azimuth_deg, from the\n"
      "foot of the nodus (the point under it, or opposite it on the wall or plate): x\n"
      "east and y north on the floor, x east and y up on the wall of --surface; on the\n"
      "plate of --facing, x to the right and y up the slope as seen facing it (on a\n"
      "floor, east and north); azimuth from north through east.\n"
      "pdf, svg: true size (1 mm on paper = 1 mm on the surface), as seen from above or\n"
      "from in front: the figure, the 1st, 11th and 21st of each month, the days nearest\n"
      "the solstices and equinoxes, the meridian (the shadow at apparent noon), the foot,\n"
      "north or up, a 100 mm scale bar, the inputs, and how to mount and read it. The\n"
      "dates give way where they would overlap; no label is cut by a page's edge. A PDF\n"
      "larger than the paper is cut into pages that overlap by 10 mm, with alignment\n"
      "marks, after a first page that maps them; more than 200 pages are refused. An\n"
      "SVG larger than the paper is one drawing of the figure's own size, up to 100 m.\n"
      "Texts are Japanese unless --lang en.\n"
      "The output goes to FILE, or to standard output (a page not to a terminal). The\n"
      "format is --format, else FILE's extension (.pdf, .svg, .csv), else PDF.\n";
  command.options = {{"latitude", "", "DEG", "the nodus's latitude, degrees north (south negative)"},
                     {"longitude", "l", "DEG", "its longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"height", "", "MM", "from the nodus to the floor or wall, millimetres"},
                     {"surface", "", "KIND", "floor (default) or wall (facing the equator)"},
                     {"facing", "", "AZ", "a plate facing this azimuth, 0..360, instead of --surface"},
                     {"tilt", "", "DEG", "the plate's angle with the horizontal, 0..180 (default 90)"},
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
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    RequireOptions("noonmark", parsed, {{"latitude", "DEG"}, {"longitude", "DEG"}, {"height", "MM"}});
    const std::string format = ReadSheetFormatName(parsed, {"svg", "pdf", "csv"}, "pdf");
    const paper::SheetLanguage language = ReadSheetLanguage(parsed);
    const paper::PaperSize paper_size = ReadPaper(parsed);
    const double latitude = ReadLatitude("--latitude", parsed.Value("latitude"));
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    const double height_mm = ReadHeightMm("--height", parsed.Value("height"));
    const bool plate = parsed.Has("facing") || parsed.Has("tilt");
    if (plate && parsed.Has("surface")) {
      throw UsageError{"noonmark takes --surface or --facing and --tilt, not both"};
    }
    const std::string surface_name = parsed.Has("surface") ? parsed.Value("surface") : "floor";
    if (surface_name != "floor" && surface_name != "wall") {
      throw ValueError{"--surface " + Echo(surface_name) + " is not floor or wall"};
    }
    const bool wall = surface_name == "wall";
    if (wall && std::fabs(latitude) < 1) {
      throw ValueError{"--latitude " + Echo(parsed.Value("latitude")) +
                       " is within 1 degree of the equator, where no wall faces the noon Sun all year"};
    }
    std::optional<sundial::PlateOrientation> orientation;
    if (plate) {
      orientation = sundial::PlateOrientation{
          parsed.Has("tilt") ? ReadDegrees("--tilt", parsed.Value("tilt"), 180, "a tilt 0..180") : 90,
          parsed.Has("facing") ? ReadDegrees("--facing", parsed.Value("facing"), 360, "an azimuth 0..360") : 180};
    }
    const int clock_minutes = parsed.Has("time") ? ReadClockMinutes("--time", parsed.Value("time")) : 12 * 60;
    const int16_t year = parsed.Has("year") ? ReadYear("--year", parsed.Value("year"))
                                            : static_cast<int16_t>(QDate::currentDate().year());
    if (year < 1) throw ValueError{"--year " + Echo(parsed.Value("year")) + " is before year 1, where time zones end"};
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    if (format != "csv") RefusePageToTerminal("noonmark", parsed, true);

    const sundial::DialStandardTime standard = sundial::DialStandardTimeOf(zone, year);
    sundial::NoonMarkInput input{{latitude, longitude},
                                 standard.offset_seconds,
                                 clock_minutes,
                                 year,
                                 height_mm,
                                 wall ? sundial::EquatorFacingWall(latitude) : sundial::Surface::kFloor,
                                 parsed.Has("no-refraction") ? sundial::Refraction::kNone : sundial::Refraction::kStandard,
                                 orientation};
    const sundial::NoonMark mark = sundial::MakeNoonMark(input);
    const std::string surface = plate ? "plate" : surface_name;
    if (mark.days.empty()) {
      throw ValueError{"noonmark: on no day of " + std::to_string(year) + " at " + ClockText(clock_minutes) +
                       " does the nodus's shadow fall on the " + surface +
                       ": the Sun is down, behind it, or too low over it"};
    }
    if (const std::vector<sundial::DateRun> runs = sundial::DaysWithoutShadow(mark); !runs.empty()) {
      int days = 0;
      for (const sundial::DateRun& run : runs) days += run.days;
      out.Note("noonmark: no shadow on the " + surface + " at " + ClockText(clock_minutes) + " on " +
               std::to_string(days) + (days == 1 ? " day: " : " days: ") + RunsText(mark, runs));
    }

    std::string bytes;
    if (format == "csv") {
      bytes = Csv(mark);
    } else {
      bytes = LoadedDrawing().NoonMark(mark, {zone.id().toStdString(), standard.summer_seconds, language, paper_size},
                                       SheetFormatNamed(format));
    }
    DeliverOutput(ToStandardOutput(parsed) ? "-" : parsed.Value("output"), bytes, out);
  };
  return command;
}

}  // namespace cli
