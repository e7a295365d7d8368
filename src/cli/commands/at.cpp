// SPDX-License-Identifier: MIT
#include "cli/commands/at_batch.h"
#include "cli/io/at_row.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/instant_line.h"
#include "cli/io/row_format.h"
#include "cli/commands/command_table.h"
#include "cli/io/values.h"

namespace cli {

Command AtCommand() {
  Command command;
  command.name = "at";
  command.synopsis = "YEAR MONTH DAY [HOUR] | YYYY-MM-DD[THH:MM[:SS][Z]] | --from FILE [--csv|--json]";
  command.summary = "the value at one instant, or at each instant a file lists";
  command.help =
      "Prints the equation of time at HOUR o'clock (default 0) of DAY MONTH YEAR as the\n"
      "detail window shows it - sign and whole minutes, then seconds - followed by the\n"
      "value in decimal minutes, e.g. `- 14 16.3 -14.271947`.\n"
      "HOUR is Universal Time on the Julian Day scale (12 is noon at Greenwich), which\n"
      "is the instant the detail window evaluates; it is a decimal number 0 <= HOUR < 24\n"
      "written with a point (7.5 is 7h30m). YEAR is a whole number in -32768..32767,\n"
      "MONTH 1..12 and DAY a day of that month (Gregorian calendar).\n"
      "The instant may instead be one operand in ISO 8601, YYYY-MM-DD[THH:MM[:SS][Z]]\n"
      "(Universal Time; at least four year digits, a minus before year 0; Z only after\n"
      "a time): 2002-02-11T12:00Z is 2002 2 11 12.\n"
      "--from FILE (- for standard input) reads one instant a line, in either form,\n"
      "and prints one row each in the order of the lines; blank lines and lines\n"
      "starting with # are skipped. A line that is no instant is reported by its\n"
      "number and skipped, the other rows are printed, and the exit status is 1.\n"
      "--csv writes RFC 4180 CSV (CRLF line ends) with the header row\n"
      "date,hour,sign,minutes,seconds,decimal_minutes; --json one JSON object per line\n"
      "with the same fields.\n";
  command.options = {{"from", "", "FILE", "the instants, one a line, from FILE (- for standard input)"},
                     {"csv", "c", "", "RFC 4180 CSV with a header row"},
                     {"json", "j", "", "JSON Lines, one object per instant"}};
  command.max_operands = 4;
  command.operands_usage = "YEAR MONTH DAY [HOUR] or YYYY-MM-DD[THH:MM[:SS][Z]]";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    const auto& operands = parsed.operands;
    const RowFormat format = ReadRowFormat(parsed, "at");
    if (parsed.Has("from") && !operands.empty()) {
      throw UsageError{"at --from takes no YEAR MONTH DAY [HOUR], not also " + Echo(operands[0])};
    }
    // One operand with a '-' past its first character is a date; any other lone
    // operand is a command line not understood, as it always was.
    const bool iso = operands.size() == 1 && operands[0].find('-', 1) != std::string::npos;
    if (!parsed.Has("from") && operands.size() < 3 && !iso) {
      throw UsageError{"at needs YEAR MONTH DAY [HOUR] or YYYY-MM-DD[THH:MM[:SS][Z]]"};
    }
    if (parsed.Has("from")) {
      if (format == RowFormat::kCsv) out += AtCsvHeader();
      RunAtBatch(parsed.Value("from"), format, out);
      return;
    }
    Instant instant;
    if (iso) {
      instant = ReadIsoInstant(operands[0]);
    } else {
      instant.year = ReadYear("YEAR", operands[0]);
      instant.month = ReadMonth("MONTH", operands[1]);
      instant.day = ReadDay("DAY", operands[2], instant.year, instant.month);
      instant.hour = operands.size() > 3 ? ReadHour("HOUR", operands[3]) : 0.0;
    }
    std::string row(format == RowFormat::kCsv ? AtCsvHeader() : "");
    AppendAtRow(row, format, instant, ValueAt(instant));
    out += row;
  };
  return command;
}

}  // namespace cli
