// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace cli {

// The equation of time at one hour of one day, as the detail window shows it and
// as numbers for scripts.
struct DayValue {
  std::string date;             // ISO 8601: "2002-02-11", "0005-01-01", "-0500-01-01"
  std::string minutes_text;     // the window's "- 14", "+ 8"
  char sign;                    // '+' or '-'
  int whole_minutes;            // 14 (never negative; the sign says which way)
  std::string seconds_text;     // the window's "16.3"
  std::string decimal_minutes;  // "-14.271947": signed, six decimals
};

// The detail window's calculation: the day argument stored once as a single, then
// the evaluation at the calculation year.
DayValue EvaluateDay(int16_t year, int month, int day, float hour);

// "YYYY-MM-DD" with at least four year digits and a minus for years before 0.
std::string IsoDate(int year, int month, int day);

// One value as an aligned text row, an RFC 4180 record (CRLF) and a JSON Lines
// object. The headers name the columns of the first two.
std::string TextHeader();
std::string TextRow(const DayValue& value);
std::string CsvHeader();
std::string CsvRecord(const DayValue& value);
std::string JsonLine(const DayValue& value);

}  // namespace cli
