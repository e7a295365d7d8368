// SPDX-License-Identifier: MIT
#include "cli/day_value.h"
#include "cli/text_commands.h"
#include "cli/values.h"

namespace cli {

Command AtCommand() {
  Command command;
  command.name = "at";
  command.synopsis = "YEAR MONTH DAY [HOUR] [--json]";
  command.summary = "the value at one instant";
  command.help =
      "Prints the equation of time at HOUR o'clock (default 0) of DAY MONTH YEAR as the\n"
      "detail window shows it - sign and whole minutes, then seconds - followed by the\n"
      "value in decimal minutes, e.g. `- 14 16.3 -14.271947`.\n"
      "HOUR is Universal Time on the Julian Day scale (12 is noon at Greenwich), which\n"
      "is the instant the detail window evaluates; it is a decimal number 0 <= HOUR < 24\n"
      "written with a point (7.5 is 7h30m). YEAR is a whole number in -32768..32767,\n"
      "MONTH 1..12 and DAY a day of that month (Gregorian calendar).\n";
  command.options = {{"json", "j", "", "one JSON object: date, sign, minutes, seconds, decimal_minutes"}};
  command.min_operands = 3;
  command.max_operands = 4;
  command.operands_usage = "YEAR MONTH DAY [HOUR]";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    const auto& operands = parsed.operands;
    const int16_t year = ReadYear("YEAR", operands[0]);
    const int month = ReadMonth("MONTH", operands[1]);
    const int day = ReadDay("DAY", operands[2], year, month);
    const double hour = operands.size() > 3 ? ReadHour("HOUR", operands[3]) : 0.0;
    const DayValue value = EvaluateDay(year, month, day, static_cast<float>(hour));
    out += parsed.Has("json") ? JsonLine(value)
                              : value.minutes_text + ' ' + value.seconds_text + ' ' + value.decimal_minutes + '\n';
  };
  return command;
}

}  // namespace cli
