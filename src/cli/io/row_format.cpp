// SPDX-License-Identifier: MIT
#include "cli/io/row_format.h"

#include "cli/io/errors.h"
#include "engine/module1.h"

namespace cli {

std::vector<OptionSpec> RowFormatOptions() {
  return {{"csv", "c", "", "RFC 4180 CSV with a header row"},
          {"json", "j", "", "JSON Lines, one object per day"}};
}

RowFormat ReadRowFormat(const ParsedCommand& parsed, const std::string& command_name) {
  const bool csv = parsed.Has("csv");
  const bool json = parsed.Has("json");
  if (csv && json) throw UsageError{command_name + ": --csv and --json exclude each other"};
  return csv ? RowFormat::kCsv : json ? RowFormat::kJson : RowFormat::kText;
}

void ForEachDayOf(int16_t year, const std::function<void(int month, int day)>& row) {
  for (int month = 1; month <= 12; ++month) {
    const int days_in_month = Module1::DaysInMonth(year, month);
    for (int day = 1; day <= days_in_month; ++day) row(month, day);
  }
}

}  // namespace cli
