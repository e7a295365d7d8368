// SPDX-License-Identifier: MIT
// `orvalin-cli analemmatic`: the dial on the ground on which a person stands as the
// gnomon, as the distances to set it out or as a plan to scale.
#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

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
#include "platform/core/ascii_digits.h"
#include "sundial/analemmatic.h"

namespace cli {
namespace {

// "1:N" with N a whole number 1..1000000.
long ReadScale(const std::string& text) {
  const std::string ascii = platform::AsciiDigits(text);
  if (ascii.size() > 2 && ascii.compare(0, 2, "1:") == 0 && ascii.size() <= 9 &&
      ascii.find_first_not_of("0123456789", 2) == std::string::npos) {
    const long denominator = std::stol(ascii.substr(2));
    if (denominator >= 1 && denominator <= 1000000) return denominator;
  }
  throw ValueError{"--scale " + Echo(text) + " is not a scale 1:N, N a whole number 1..1000000"};
}

std::string Clock(int minutes) {
  const int m = ((minutes % 1440) + 1440) % 1440;
  std::string text;
  for (const int part : {m / 60, m % 60}) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
  }
  return text;
}

std::string Row(const std::string& kind, const std::string& label, double x_m, double y_m) {
  return kind + ',' + label + ',' + Fixed(x_m, 3) + ',' + Fixed(y_m, 3) + "\r\n";
}

std::string Csv(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input, int summer_seconds) {
  std::string csv = "kind,label,x_m,y_m\r\n";
  csv += Row("centre", "", 0, 0);
  const double focus = input.semi_major_m * std::cos(input.place.latitude_degrees * std::numbers::pi / 180);
  csv += Row("focus", "", -focus, 0);
  csv += Row("focus", "", focus, 0);
  for (const sundial::AnalemmaticHour& hour : dial.hours) {
    csv += Row("hour", Clock(hour.clock_minutes), hour.point.x_m, hour.point.y_m);
  }
  if (summer_seconds != 0) {
    for (const sundial::AnalemmaticHour& hour : dial.hours) {
      csv += Row("summer", Clock(hour.clock_minutes + summer_seconds / 60), hour.point.x_m, hour.point.y_m);
    }
  }
  std::vector<sundial::AnalemmaticDate> dates = dial.dates;
  std::sort(dates.begin(), dates.end(), [](const auto& a, const auto& b) {
    return a.month != b.month ? a.month < b.month : a.day < b.day;
  });
  dates.erase(std::unique(dates.begin(), dates.end(),
                          [](const auto& a, const auto& b) { return a.month == b.month && a.day == b.day; }),
              dates.end());
  for (const sundial::AnalemmaticDate& date : dates) {
    csv += Row("date", IsoDate(input.year, date.month, date.day), 0, date.y_m);
  }
  return csv;
}

}  // namespace

Command AnalemmaticCommand() {
  Command command;
  command.name = "analemmatic";
  command.synopsis =
      "--latitude DEG --longitude DEG [--zone ZONE] --size M [--year YEAR] [--summer] [--lang ja|en] "
      "[--scale 1:N] [--paper a4|a3|letter] [--format csv|svg|pdf] [--output FILE]";
  command.summary = "the analemmatic dial on the ground, a person as its gnomon";
  command.help =
      "An analemmatic dial: hour points on an ellipse on level ground, M metres from\n"
      "its centre to the east and to the west, and a date scale along its north-south\n"
      "axis. A person standing on the day's date is the gnomon; the shadow points to\n"
      "the time. The hour points are for ZONE's standard time with the difference of\n"
      "longitude built in (the lower of the offsets in force at the two solstices\n"
      "of YEAR), every half hour at which the Sun can be up; the dates are the 1st of\n"
      "each month and the days of the solstices and equinoxes of YEAR (default: the\n"
      "present one), each at the Sun's declination at its apparent noon. The dial reads\n"
      "the zone's standard time plus the equation of time E (apparent minus mean solar\n"
      "time): the clock is the reading less E. --summer adds numerals of summer time\n"
      "when ZONE keeps it. Refused within 1 degree of the equator, where the ellipse is\n"
      "flat. DEG and ZONE as for noonmark; M is 0 < M <= 1000.\n"
      "csv: RFC 4180 with the header kind,label,x_m,y_m: the setting-out distances in\n"
      "metres from the centre, x east and y north, to the millimetre. Rows: centre;\n"
      "focus (two: a loop of string 2M long round them draws the ellipse); hour,\n"
      "labelled HH:MM of standard time; summer (with --summer), the same points\n"
      "labelled in summer time; date, labelled YYYY-MM-DD, on the north-south axis.\n"
      "pdf, svg: one page with the plan at --scale 1:N (default: the largest round\n"
      "scale that fits the paper), the scale and a 1 m bar, north, the numerals (half\n"
      "hours smaller, summer ones in red), the date scale with the months, how to use\n"
      "it and a table of what to add to the reading on the 1st and 15th of each month.\n"
      "A named scale at which the plan does not fit the paper is refused. Texts are\n"
      "Japanese unless --lang en.\n"
      "The output goes to FILE, or to standard output (a page not to a terminal). The\n"
      "format is --format, else FILE's extension (.csv, .svg, .pdf), else PDF.\n";
  command.options = {{"latitude", "", "DEG", "the dial's latitude, degrees north (south negative)"},
                     {"longitude", "l", "DEG", "its longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"size", "", "M", "the ellipse's semi-major axis, east-west, metres"},
                     {"year", "", "YEAR", "the year of the dates (default: the present one)"},
                     {"summer", "", "", "numerals of summer time too"},
                     {"scale", "", "1:N", "the plan's scale (default: the largest round one that fits)"},
                     {"output", "o", "FILE", "where it goes (default: standard output)"},
                     {"format", "f", "FORMAT", "csv, svg or pdf (default: from FILE's extension, else pdf)"},
                     {"paper", "", "PAPER", "a4 (default), a3 or letter"},
                     {"lang", "", "LANG", "ja (default) or en"}};
  command.min_operands = 0;
  command.max_operands = 0;
  command.operands_usage = "no operands";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    RequireOptions("analemmatic", parsed, {{"latitude", "DEG"}, {"longitude", "DEG"}, {"size", "M"}});
    const std::string format = ReadSheetFormatName(parsed, {"csv", "svg", "pdf"}, "pdf");
    const paper::SheetLanguage language = ReadSheetLanguage(parsed);
    const paper::PaperSize paper_size = ReadPaper(parsed);
    const double latitude = ReadLatitude("--latitude", parsed.Value("latitude"));
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    const double size_m = ReadLengthM("--size", parsed.Value("size"));
    if (std::fabs(latitude) < 1) {
      throw ValueError{"--latitude " + Echo(parsed.Value("latitude")) +
                       " is within 1 degree of the equator, where the dial's ellipse is flat"};
    }
    const std::optional<long> scale =
        parsed.Has("scale") ? std::optional<long>(ReadScale(parsed.Value("scale"))) : std::nullopt;
    const int16_t year = parsed.Has("year") ? ReadYear("--year", parsed.Value("year"))
                                            : static_cast<int16_t>(QDate::currentDate().year());
    if (year < 1) throw ValueError{"--year " + Echo(parsed.Value("year")) + " is before year 1, where time zones end"};
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    const sundial::DialStandardTime offsets = sundial::DialStandardTimeOf(zone, year);
    const bool summer = parsed.Has("summer");
    if (summer && offsets.summer_seconds == 0) {
      throw ValueError{"--summer: " + zone.id().toStdString() + " keeps no summer time in " + std::to_string(year)};
    }
    if (format != "csv") RefusePageToTerminal("analemmatic", parsed, true);

    const sundial::AnalemmaticInput input{{latitude, longitude}, offsets.offset_seconds, size_m, year};
    const sundial::AnalemmaticDial dial = sundial::MakeAnalemmaticDial(input);
    std::string bytes;
    if (format == "csv") {
      bytes = Csv(dial, input, summer ? offsets.summer_seconds : 0);
    } else {
      const paper::AnalemmaticSheetOptions options{zone.id().toStdString(), language, paper_size,
                                                   offsets.summer_seconds, summer, scale};
      bytes = LoadedDrawing().AnalemmaticDial(dial, input, options, SheetFormatNamed(format));
    }
    DeliverOutput(ToStandardOutput(parsed) ? "-" : parsed.Value("output"), bytes, out);
  };
  return command;
}

}  // namespace cli
