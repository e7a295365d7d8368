// SPDX-License-Identifier: MIT
#include "cli/io/at_row.h"

#include <cstring>

#include "engine/day_argument.h"

namespace cli {
namespace {

char* Put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

}  // namespace

Module1::EotValue ValueAt(const Instant& instant) {
  const float day_argument = Module1::DayArgument(static_cast<float>(instant.day), static_cast<float>(instant.hour));
  return Module1::EquationOfTimeValueAt(instant.year, instant.month, day_argument);
}

std::string_view AtCsvHeader() { return "date,hour,sign,minutes,seconds,decimal_minutes\r\n"; }

char* WriteAtRow(char* at, RowFormat format, const Instant& instant, const Module1::EotValue& value) {
  const char sign = value.negative ? '-' : '+';
  switch (format) {
    case RowFormat::kText:
      *at++ = sign;
      *at++ = ' ';
      at = WriteNumber(at, value.whole_minutes);
      *at++ = ' ';
      at = WriteSingle(at, value.seconds);
      *at++ = ' ';
      at = WriteSixDecimals(at, value.minutes);
      *at++ = '\n';
      break;
    case RowFormat::kCsv:
      at = WriteIsoDate(at, instant.year, instant.month, instant.day);
      *at++ = ',';
      at = WriteShortest(at, instant.hour);
      *at++ = ',';
      *at++ = sign;
      *at++ = ',';
      at = WriteNumber(at, value.whole_minutes);
      *at++ = ',';
      at = WriteSingle(at, value.seconds);
      *at++ = ',';
      at = WriteSixDecimals(at, value.minutes);
      at = Put(at, "\r\n");
      break;
    case RowFormat::kJson:
      at = Put(at, "{\"date\":\"");
      at = WriteIsoDate(at, instant.year, instant.month, instant.day);
      at = Put(at, "\",\"hour\":");
      at = WriteShortest(at, instant.hour);
      at = Put(at, ",\"sign\":\"");
      *at++ = sign;
      at = Put(at, "\",\"minutes\":");
      at = WriteNumber(at, value.whole_minutes);
      at = Put(at, ",\"seconds\":");
      at = WriteSingle(at, value.seconds);
      at = Put(at, ",\"decimal_minutes\":");
      at = WriteSixDecimals(at, value.minutes);
      at = Put(at, "}\n");
      break;
  }
  return at;
}

void AppendAtRow(std::string& out, RowFormat format, const Instant& instant, const Module1::EotValue& value) {
  char row[kMaxAtRowBytes];
  out.append(row, WriteAtRow(row, format, instant, value));
}

}  // namespace cli
