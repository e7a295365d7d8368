// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/io/command.h"

namespace cli {

// How a command that prints one row per day writes its rows.
enum class RowFormat { kText, kCsv, kJson };

// -c/--csv and -j/--json, as such a command offers them.
std::vector<OptionSpec> RowFormatOptions();

// The format asked for; both options at once is a command line not understood.
RowFormat ReadRowFormat(const ParsedCommand& parsed, const std::string& command_name);

// Calls `row` for every day of `year` in order (365 or 366 by the Gregorian rule).
void ForEachDayOf(int16_t year, const std::function<void(int month, int day)>& row);

}  // namespace cli
