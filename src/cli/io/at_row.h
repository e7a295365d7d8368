// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/io/number_text.h"
#include "cli/io/row_format.h"
#include "engine/equation_of_time_at.h"

namespace cli {

// One instant `at` evaluates: a Gregorian date and an hour of Universal Time,
// 0 <= hour < 24, as read from the command line or a line of a batch.
struct Instant {
  int16_t year;
  int month;
  int day;
  double hour;
};

// The value at the instant as the detail window computes it: the hour as a single,
// the day argument stored once as a single (Module1::DayArgument).
Module1::EotValue ValueAt(const Instant& instant);

// The CSV header of `at`: "date,hour,sign,minutes,seconds,decimal_minutes" and CRLF.
std::string_view AtCsvHeader();

// The longest row WriteAtRow writes: four numbers and the fixed texts around them.
inline constexpr std::size_t kMaxAtRowBytes = 4 * kMaxNumberText + 128;

// Writes the row of one instant at `at` and returns its end. Text is the detail
// window's minutes and seconds and the decimal minutes ("- 14 16.3 -14.271947");
// CSV (CRLF) and JSON Lines carry the instant too, the hour as the shortest decimal
// that reads back as it, so that a row can be matched to its line.
char* WriteAtRow(char* at, RowFormat format, const Instant& instant, const Module1::EotValue& value);

// WriteAtRow appended to `out`.
void AppendAtRow(std::string& out, RowFormat format, const Instant& instant, const Module1::EotValue& value);

}  // namespace cli
