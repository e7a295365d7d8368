// SPDX-License-Identifier: MIT
#include "cli/io/day_value.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "engine/day_argument.h"
#include "engine/module1.h"
#include "platform/core/convert.h"

namespace cli {
namespace {

// Six decimals, correctly rounded, with a full stop whatever the C locale says
// (printf's "%.6f" would write "-14,271947" once anything sets a German locale).
std::string SixDecimals(double value) {
  char text[400];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
  return std::string(text, result.ptr);
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

DayValue EvaluateDay(int16_t year, int month, int day, float hour) {
  const float day_argument = Module1::DayArgument(static_cast<float>(day), hour);
  const Module1::EotValue eot = Module1::EquationOfTimeValueAt(year, month, day_argument);
  DayValue value;
  value.date = IsoDate(year, month, day);
  value.minutes_text = Module1::MinutesText(eot);  // "+ 8", "- 14"
  value.sign = eot.negative ? '-' : '+';
  // |m| < 27 minutes for a 16-bit year and a day of its calendar.
  value.whole_minutes = static_cast<int>(eot.whole_minutes);
  value.seconds_text = platform::SingleToText(eot.seconds);
  value.decimal_minutes = SixDecimals(eot.minutes);
  return value;
}

std::string IsoDate(int year, int month, int day) {
  char text[24];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", year < 0 ? "-" : "", std::abs(year), month, day);
  return text;
}

std::string TextHeader() { return Padded("date", 13) + Padded("min", 6) + Padded("sec", 6) + "decimal minutes\n"; }

std::string TextRow(const DayValue& value) {
  return Padded(value.date, 13) + Padded(value.minutes_text, 6) + Padded(value.seconds_text, 6) +
         value.decimal_minutes + "\n";
}

// No field can hold a comma, quote or line break, so none is quoted.
std::string CsvHeader() { return "date,sign,minutes,seconds,decimal_minutes\r\n"; }

std::string CsvRecord(const DayValue& value) {
  return value.date + ',' + value.sign + ',' + std::to_string(value.whole_minutes) + ',' + value.seconds_text + ',' +
         value.decimal_minutes + "\r\n";
}

std::string JsonLine(const DayValue& value) {
  return "{\"date\":\"" + value.date + "\",\"sign\":\"" + value.sign + "\",\"minutes\":" +
         std::to_string(value.whole_minutes) + ",\"seconds\":" + value.seconds_text +
         ",\"decimal_minutes\":" + value.decimal_minutes + "}\n";
}

}  // namespace cli
