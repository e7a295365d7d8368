// SPDX-License-Identifier: MIT
#include "cli/day_value.h"
#include "cli/errors.h"
#include "cli/text_commands.h"
#include "cli/values.h"
#include "engine/module1.h"

namespace cli {

Command TableCommand() {
  Command command;
  command.name = "table";
  command.synopsis = "YEAR [--hour H] [--csv|--json]";
  command.summary = "one row per day of the year";
  command.help =
      "One row per day of YEAR (365 or 366 by the Gregorian rule) at hour H (default\n"
      "0, Universal Time, 0 <= H < 24): the ISO 8601 date, the minutes as the detail\n"
      "window shows them, the seconds, and the value in decimal minutes.\n"
      "--csv writes RFC 4180 CSV (CRLF line ends) with the header row\n"
      "date,sign,minutes,seconds,decimal_minutes; --json one JSON object per line with\n"
      "the same fields.\n";
  command.options = {{"hour", "H", "H", "the hour of every row, Universal Time"},
                     {"csv", "c", "", "RFC 4180 CSV with a header row"},
                     {"json", "j", "", "JSON Lines, one object per day"}};
  command.min_operands = 1;
  command.max_operands = 1;
  command.operands_usage = "YEAR";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    const bool csv = parsed.Has("csv");
    const bool json = parsed.Has("json");
    if (csv && json) throw UsageError{"table: --csv and --json exclude each other"};
    const int16_t year = ReadYear("YEAR", parsed.operands[0]);
    const double hour = parsed.Has("hour") ? ReadHour("--hour", parsed.Value("hour")) : 0.0;

    out += csv ? CsvHeader() : json ? std::string() : TextHeader();
    Module1::IsLeapYear(year);  // fills the month lengths of `year`
    for (int month = 1; month <= 12; ++month) {
      const int days_in_month = Module1::MonthDays(month);
      for (int day = 1; day <= days_in_month; ++day) {
        const DayValue value = EvaluateDay(year, month, day, static_cast<float>(hour));
        out += csv ? CsvRecord(value) : json ? JsonLine(value) : TextRow(value);
      }
    }
  };
  return command;
}

}  // namespace cli
