// SPDX-License-Identifier: MIT
#include "cli/io/instant_line.h"

#include <algorithm>
#include <string>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/values.h"
#include "engine/module1.h"
#include "platform/core/ascii_digits.h"

namespace cli {
namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
constexpr std::size_t kMaxFields = 5;
constexpr long long kWholePowersOfTen[] = {1,           10,           100,           1000,           10000,
                                           100000,      1000000,      10000000,      100000000,      1000000000,
                                           10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000,
                                           1000000000000000};
constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The length of the blank at `at` (a space, a tab, a carriage return or an
// ideographic space), 0 if none.
inline std::size_t BlankAt(const char* at, const char* end) {
  const auto byte = static_cast<unsigned char>(*at);
  if (byte == ' ' || byte == '\t' || byte == '\r') return 1;
  return byte == 0xE3 && end - at >= 3 && std::string_view(at, 3) == kIdeographicSpace ? 3 : 0;
}

[[noreturn]] void NotAnInstant(std::string_view text) {
  throw ValueError{Echo(text) + " is not an instant (YEAR MONTH DAY [HOUR] or YYYY-MM-DD[THH:MM[:SS][Z]])"};
}

// Up to 9 ASCII digits, with a leading minus when `minus` allows it; else none.
// The fast way to the common case; anything else goes to the readers of values.h,
// which accept it (full-width digits, many leading zeros) or say why not.
std::optional<long> PlainWhole(std::string_view text, bool minus) {
  const bool negative = minus && !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

// ASCII digits with at most one point inside, 15 digits at most: the nearest double
// exactly as std::from_chars reads it, since the digits and the power of ten are
// both exact and one division rounds correctly.
std::optional<double> PlainDecimal(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
  if (point == 0 || (point != std::string_view::npos && decimals == 0)) return std::nullopt;
  if (text.size() - (decimals > 0 ? 1 : 0) > 15) return std::nullopt;
  long long digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == point) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    digits = digits * 10 + (text[i] - '0');
  }
  return static_cast<double>(digits) / kPowersOfTen[decimals];
}

int16_t Year(std::string_view text) {
  if (const auto year = PlainWhole(text, true); year && *year >= -32768 && *year <= 32767) {
    return static_cast<int16_t>(*year);
  }
  return ReadYear("YEAR", std::string(text));
}

int Month(std::string_view text) {
  if (const auto month = PlainWhole(text, false); month && *month >= 1 && *month <= 12) return static_cast<int>(*month);
  return ReadMonth("MONTH", std::string(text));
}

int Day(std::string_view text, int16_t year, int month) {
  if (const auto day = PlainWhole(text, false); day && *day >= 1 && *day <= Module1::DaysInMonth(year, month)) {
    return static_cast<int>(*day);
  }
  return ReadDay("DAY", std::string(text), year, month);
}

double Hour(std::string_view text) {
  if (const auto hour = PlainDecimal(text); hour && *hour < 24) return *hour;
  return ReadHour("HOUR", std::string(text));
}

// Two ASCII digits from `at`, at most `high`; none otherwise.
std::optional<int> TwoDigits(std::string_view text, std::size_t at, int high) {
  if (at + 2 > text.size()) return std::nullopt;
  const auto value = PlainWhole(text.substr(at, 2), false);
  if (!value || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

inline bool IsDigit(char c) { return static_cast<unsigned>(c - '0') < 10; }

// The common lines read in one pass, ASCII, every value in range:
//   YEAR MONTH DAY[ HOUR]          digits separated by single spaces, at most 5
//                                  digits in the year, 2 in the month and day and 15
//                                  in the hour
//   YYYY-MM-DD[THH:MM[:SS][Z]]     four or five year digits
// each perhaps with a carriage return at the end. False for anything else, which the
// general reading then accepts or refuses; where both read a line they read the
// same instant.
bool ReadPlainLine(const char* at, const char* end, Instant& instant) {
  if (at != end && end[-1] == '\r') --end;
  const bool negative = at != end && *at == '-';
  if (negative) ++at;
  const char* const year_start = at;
  long year = 0;
  while (at != end && IsDigit(*at) && at - year_start < 5) year = year * 10 + (*at++ - '0');
  const auto year_digits = at - year_start;
  if (year_digits == 0 || at == end) return false;
  if (negative) year = -year;
  if (year < -32768 || year > 32767) return false;
  if (*at == '-') {
    // YYYY-MM-DD: the separators and digits in place, checked before any is read.
    if (year_digits < 4 || end - at < 6 || !IsDigit(at[1]) || !IsDigit(at[2]) || at[3] != '-' || !IsDigit(at[4]) ||
        !IsDigit(at[5])) {
      return false;
    }
    const int month = (at[1] - '0') * 10 + (at[2] - '0');
    const int day = (at[4] - '0') * 10 + (at[5] - '0');
    if (month < 1 || month > 12 || day < 1 || day > Module1::DaysInMonth(static_cast<int16_t>(year), month)) {
      return false;
    }
    at += 6;
    int seconds = 0;
    if (at != end) {
      // THH:MM, THH:MM:SS, either with a Z.
      if (end[-1] == 'Z') --end;
      const auto length = end - at;
      if (!(length == 6 || (length == 9 && at[6] == ':')) || at[0] != 'T' || at[3] != ':' || !IsDigit(at[1]) ||
          !IsDigit(at[2]) || !IsDigit(at[4]) || !IsDigit(at[5]) || (length == 9 && (!IsDigit(at[7]) || !IsDigit(at[8])))) {
        return false;
      }
      const int hh = (at[1] - '0') * 10 + (at[2] - '0');
      const int mm = (at[4] - '0') * 10 + (at[5] - '0');
      const int ss = length == 9 ? (at[7] - '0') * 10 + (at[8] - '0') : 0;
      if (hh > 23 || mm > 59 || ss > 59) return false;
      seconds = hh * 3600 + mm * 60 + ss;
    }
    // One division of whole seconds, as ReadIsoInstant divides them.
    instant = {static_cast<int16_t>(year), month, day, seconds / 3600.0};
    return true;
  }
  auto whole = [&](long& value, int most_digits) {
    const char* const start = at;
    value = 0;
    while (at != end && IsDigit(*at) && at - start < most_digits) value = value * 10 + (*at++ - '0');
    return at != start && (at == end || *at == ' ');
  };
  long month = 0;
  long day = 0;
  if (*at != ' ' || (++at, !whole(month, 2)) || at == end || (++at, !whole(day, 2))) return false;
  if (month < 1 || month > 12 || day < 1 ||
      day > Module1::DaysInMonth(static_cast<int16_t>(year), static_cast<int>(month))) {
    return false;
  }
  // The hour: digits, perhaps a point and more digits, 15 digits at most, read as
  // PlainDecimal reads them.
  double hour = 0;
  if (at != end) {
    ++at;
    long long digits = 0;
    int count = 0;
    int decimals = -1;  // none until the point
    for (; at != end; ++at) {
      if (IsDigit(*at) && count < 15) {
        digits = digits * 10 + (*at - '0');
        ++count;
        decimals += decimals >= 0 ? 1 : 0;
      } else if (*at == '.' && decimals < 0 && count > 0) {
        decimals = 0;
      } else {
        return false;
      }
    }
    if (count == 0 || decimals == 0) return false;
    // Below 24 h, asked of the digits so that nothing waits for the division.
    const int scale = decimals < 0 ? 0 : decimals;
    if (digits >= 24 * kWholePowersOfTen[scale]) return false;
    hour = static_cast<double>(digits) / kPowersOfTen[scale];
  }
  instant = {static_cast<int16_t>(year), static_cast<int>(month), static_cast<int>(day), hour};
  return true;
}

}  // namespace

// The field as given is what a complaint quotes.
Instant ReadIsoInstant(std::string_view given) {
  if (given.empty()) NotAnInstant(given);
  const bool ascii = std::all_of(given.begin(), given.end(), [](char c) { return (c & 0x80) == 0; });
  const std::string ascii_copy = ascii ? std::string() : platform::AsciiDigits(given);
  const std::string_view text = ascii_copy.empty() ? given : ascii_copy;
  const std::size_t year_end = text.find('-', 1);
  const std::size_t year_digits = year_end - (text[0] == '-' ? 1 : 0);
  if (year_end == std::string_view::npos || year_digits < 4 || text.size() < year_end + 6 ||
      text[year_end + 3] != '-') {
    NotAnInstant(given);
  }
  const int16_t year = Year(text.substr(0, year_end));
  const int month = Month(text.substr(year_end + 1, 2));
  const int day = Day(text.substr(year_end + 4, 2), year, month);
  std::string_view time = text.substr(year_end + 6);
  if (time.empty()) return {year, month, day, 0};
  if (time.back() == 'Z') time.remove_suffix(1);
  // "THH:MM" or "THH:MM:SS".
  const bool has_seconds = time.size() == 9 && time[6] == ':';
  if (!(time.size() == 6 || has_seconds) || time[0] != 'T' || time[3] != ':') NotAnInstant(given);
  const auto hours = TwoDigits(time, 1, 23);
  const auto minutes = TwoDigits(time, 4, 59);
  const auto seconds = has_seconds ? TwoDigits(time, 7, 59) : std::optional<int>(0);
  if (!hours || !minutes || !seconds) NotAnInstant(given);
  // One division of whole seconds: the double nearest the hour.
  return {year, month, day, (*hours * 3600 + *minutes * 60 + *seconds) / 3600.0};
}

std::optional<Instant> ReadInstantLine(std::string_view line) {
  Instant instant;
  if (line.size() <= kMaxInstantLineBytes && ReadPlainLine(line.data(), line.data() + line.size(), instant)) {
    return instant;
  }
  std::string_view fields[kMaxFields];
  std::size_t count = 0;
  const char* at = line.data();
  const char* const end = at + line.size();
  while (count < kMaxFields) {
    while (at != end) {
      const std::size_t blank = BlankAt(at, end);
      if (blank == 0) break;
      at += blank;
    }
    if (at == end) break;
    if (count == 0 && *at == '#') return std::nullopt;
    const char* const start = at;
    while (at != end && BlankAt(at, end) == 0) ++at;
    fields[count++] = std::string_view(start, static_cast<std::size_t>(at - start));
  }
  if (count == 0) return std::nullopt;
  if (line.size() > kMaxInstantLineBytes) {
    throw ValueError{"a line of more than " + std::to_string(kMaxInstantLineBytes) + " bytes is not an instant"};
  }
  if (count == 1) return ReadIsoInstant(fields[0]);
  if (count < 3 || count > 4) NotAnInstant(line);
  const int16_t year = Year(fields[0]);
  const int month = Month(fields[1]);
  const int day = Day(fields[2], year, month);
  return Instant{year, month, day, count == 4 ? Hour(fields[3]) : 0.0};
}

}  // namespace cli
