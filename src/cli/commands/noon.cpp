// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "cli/io/day_value.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/row_format.h"
#include "cli/commands/command_table.h"
#include "cli/io/values.h"
#include "cli/io/zone_argument.h"
#include "clock/clock_noon.h"

namespace cli {
namespace {

std::string ClockText(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

// "+12 m 34 s", "-0 m 5 s": what to add to the dial's reading.
std::string CorrectionText(int seconds) {
  const int magnitude = std::abs(seconds);
  return (seconds < 0 ? "-" : "+") + std::to_string(magnitude / 60) + " m " + std::to_string(magnitude % 60) + " s";
}

}  // namespace

Command NoonCommand() {
  Command command;
  command.name = "noon";
  command.synopsis = "YEAR --longitude DEG [--zone ZONE] [--csv|--json]";
  command.summary = "solar noon by the clock at a longitude, for a sundial";
  command.help =
      "For each day of YEAR (1..32767): the ISO 8601 date, the clock time in ZONE\n"
      "at which the Sun crosses the meridian of longitude DEG (local apparent noon, the\n"
      "moment a sundial there shows 12), rounded to the second, and the correction to\n"
      "add to the dial's reading to get the clock's time (clock noon - 12:00:00).\n"
      "DEG is decimal degrees, east positive, -180..180 (Tokyo 139.7667, Honolulu\n"
      "-157.8583). ZONE is an id of the system's time-zone data (Asia/Tokyo,\n"
      "Europe/Berlin, Japan; `orvalin-cli zones` lists them), UTC, or a fixed offset\n"
      "(UTC+09:00); the default is TZ, or the system's time zone when TZ is not set.\n"
      "Abbreviations (JST, CEST) and bare city names are refused with a suggestion.\n"
      "Summer time comes from the system's time-zone data; on a day the offset\n"
      "changes, the offset in force at the transit counts.\n"
      "One row per transit whose clock date falls in YEAR, in time order. Far from the\n"
      "zone's meridian (near 180 degrees in UTC) transits come near midnight by the\n"
      "clock: as the equation of time changes sign, a date may have two rows or none.\n"
      "A date the zone skipped has no row.\n"
      "Method: the transit in Universal Time is 12 h - DEG/15 h - E/60 h, where E is\n"
      "the equation of time in minutes by the same series and arithmetic as the\n"
      "windows, evaluated at that instant; starting from 12 h - DEG/15 h, this is\n"
      "repeated until the instant moves less than 0.01 s. The clock time is the\n"
      "transit plus the zone's offset at that instant.\n"
      "--csv writes RFC 4180 CSV (CRLF line ends) with the header row\n"
      "date,noon,correction_seconds; --json one JSON object per line with the same\n"
      "fields. Without either, the correction reads \"+12 m 34 s\".\n";
  command.options = {{"longitude", "l", "DEG", "the dial's longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"}};
  for (const OptionSpec& option : RowFormatOptions()) command.options.push_back(option);
  command.min_operands = 1;
  command.max_operands = 1;
  command.operands_usage = "YEAR";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    const RowFormat format = ReadRowFormat(parsed, "noon");
    if (!parsed.Has("longitude")) throw UsageError{"noon needs --longitude DEG"};
    const int16_t year = ReadYear("YEAR", parsed.operands[0]);
    if (year < 1) throw ValueError{"YEAR " + Echo(parsed.operands[0]) + " is before year 1, where time zones end"};
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);

    out += format == RowFormat::kCsv    ? "date,noon,correction_seconds\r\n"
           : format == RowFormat::kJson ? ""
                                        : "date         noon      correction\n";
    for (const sundial::ClockNoon& noon : sundial::ClockNoonsOfYear(year, longitude, zone)) {
      const QDate clock_date = noon.clock_date;
      const std::string date = IsoDate(clock_date.year(), clock_date.month(), clock_date.day());
      const std::string clock = ClockText(noon.clock_seconds);
      const std::string correction = std::to_string(noon.correction_seconds);
      if (format == RowFormat::kCsv) {
        out += date + ',' + clock + ',' + correction + "\r\n";
      } else if (format == RowFormat::kJson) {
        out += "{\"date\":\"" + date + "\",\"noon\":\"" + clock + "\",\"correction_seconds\":" + correction + "}\n";
      } else {
        out += date + "   " + clock + "  " + CorrectionText(noon.correction_seconds) + "\n";
      }
    }
  };
  return command;
}

}  // namespace cli
