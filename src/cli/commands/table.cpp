// SPDX-License-Identifier: MIT
#include "cli/io/day_value.h"
#include "cli/io/errors.h"
#include "cli/io/row_format.h"
#include "cli/commands/command_table.h"
#include "cli/io/values.h"

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
  command.options = {{"hour", "H", "H", "the hour of every row, Universal Time"}};
  for (const OptionSpec& option : RowFormatOptions()) command.options.push_back(option);
  command.min_operands = 1;
  command.max_operands = 1;
  command.operands_usage = "YEAR";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    const RowFormat format = ReadRowFormat(parsed, "table");
    const int16_t year = ReadYear("YEAR", parsed.operands[0]);
    const double hour = parsed.Has("hour") ? ReadHour("--hour", parsed.Value("hour")) : 0.0;

    out += format == RowFormat::kCsv ? CsvHeader() : format == RowFormat::kJson ? std::string() : TextHeader();
    ForEachDayOf(year, [&](int month, int day) {
      const DayValue value = EvaluateDay(year, month, day, static_cast<float>(hour));
      out += format == RowFormat::kCsv ? CsvRecord(value) : format == RowFormat::kJson ? JsonLine(value) : TextRow(value);
    });
  };
  return command;
}

}  // namespace cli
