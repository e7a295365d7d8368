// SPDX-License-Identifier: MIT
#include "cli/io/instant_line.h"

#include <algorithm>
#include <cstring>
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

// The value of an ASCII digit, 10 or more for any other byte.
inline unsigned Digit(char c) { return static_cast<unsigned>(c - '0'); }

// Digits from `at`, at most `most` of them: their value, and `at` past them. -1 when
// there are none or more than `most`.
inline long Whole(const char*& at, int most) {
  const char* const start = at;
  long value = 0;
  for (unsigned digit; at - start <= most && (digit = Digit(*at)) < 10; ++at) value = value * 10 + digit;
  return at == start || at - start > most ? -1 : value;
}

// Past the "\n" or "\r\n" that ends a line at `at`; null if the line goes on.
inline const char* LineEnd(const char* at) {
  if (*at == '\n') return at;
  return at[0] == '\r' && at[1] == '\n' ? at + 1 : nullptr;
}

inline int Pair(const char* at) { return static_cast<int>(Digit(at[0]) * 10 + Digit(at[1])); }

// Whether `day` is a day of `month` (1..12) in `year`; the engine is asked only past the 28th.
inline bool IsDayOf(long day, long year, long month) {
  return day >= 1 && (day <= 28 || day <= Module1::DaysInMonth(static_cast<int16_t>(year), static_cast<int>(month)));
}

// The common lines read in one pass, ASCII, every value in range:
//   YEAR MONTH DAY[ HOUR]          digits separated by single spaces, at most 5
//                                  digits in the year, 2 in the month and day and 15
//                                  in the hour
//   YYYY-MM-DD[THH:MM[:SS][Z]]     four or five year digits
// `at` starts a line that ends in "\n" (perhaps "\r\n"), which no byte is read past.
// Returns where the "\n" is, or null for any other line, which the general reading
// then accepts or refuses; where both read a line they read the same instant.
[[gnu::always_inline]] inline const char* ReadPlainLine(const char* at, Instant& instant) {
  const bool negative = *at == '-';
  at += negative ? 1 : 0;
  const char* const year_start = at;
  long year = Whole(at, 5);
  if (year < 0) return nullptr;
  if (negative) year = -year;
  if (year < -32768 || year > 32767) return nullptr;
  if (*at == '-') {
    // YYYY-MM-DD, each byte asked for only after the ones before it matched.
    if (at - year_start < 4 || Digit(at[1]) > 9 || Digit(at[2]) > 9 || at[3] != '-' || Digit(at[4]) > 9 ||
        Digit(at[5]) > 9) {
      return nullptr;
    }
    const int month = Pair(at + 1);
    const int day = Pair(at + 4);
    if (month < 1 || month > 12 || !IsDayOf(day, year, month)) return nullptr;
    at += 6;
    int seconds = 0;
    if (const char* const end = LineEnd(at)) {
      instant = {static_cast<int16_t>(year), month, day, 0};
      return end;
    }
    // THH:MM, THH:MM:SS, either with a Z.
    if (at[0] != 'T' || Digit(at[1]) > 9 || Digit(at[2]) > 9 || at[3] != ':' || Digit(at[4]) > 9 ||
        Digit(at[5]) > 9) {
      return nullptr;
    }
    const int hh = Pair(at + 1);
    const int mm = Pair(at + 4);
    int ss = 0;
    at += 6;
    if (at[0] == ':') {
      if (Digit(at[1]) > 9 || Digit(at[2]) > 9) return nullptr;
      ss = Pair(at + 1);
      at += 3;
    }
    at += *at == 'Z' ? 1 : 0;
    const char* const end = LineEnd(at);
    if (!end || hh > 23 || mm > 59 || ss > 59) return nullptr;
    seconds = hh * 3600 + mm * 60 + ss;
    // One division of whole seconds, as ReadIsoInstant divides them.
    instant = {static_cast<int16_t>(year), month, day, seconds / 3600.0};
    return end;
  }
  if (*at != ' ') return nullptr;
  ++at;
  const long month = Whole(at, 2);
  if (month < 1 || month > 12 || *at != ' ') return nullptr;
  ++at;
  const long day = Whole(at, 2);
  if (!IsDayOf(day, year, month)) return nullptr;
  double hour = 0;
  const char* end = LineEnd(at);
  if (!end) {
    // The hour: digits, perhaps a point and more digits, 15 digits at most, read as
    // PlainDecimal reads them.
    if (*at != ' ') return nullptr;
    ++at;
    // (A 16th digit stops the reading where no line end is.)
    const char* const start = at;
    long long digits = 0;
    for (unsigned digit; at - start < 16 && (digit = Digit(*at)) < 10; ++at) digits = digits * 10 + digit;
    const int whole_digits = static_cast<int>(at - start);
    int decimals = 0;
    if (*at == '.' && whole_digits > 0) {
      const char* const point = ++at;
      for (unsigned digit; whole_digits + (at - point) < 16 && (digit = Digit(*at)) < 10; ++at) {
        digits = digits * 10 + digit;
      }
      decimals = static_cast<int>(at - point);
      if (decimals == 0) return nullptr;
    }
    end = LineEnd(at);
    // Below 24 h, asked of the digits so that nothing waits for the division.
    if (!end || whole_digits == 0 || whole_digits + decimals > 15 || digits >= 24 * kWholePowersOfTen[decimals]) {
      return nullptr;
    }
    hour = static_cast<double>(digits) / kPowersOfTen[decimals];
  }
  instant = {static_cast<int16_t>(year), static_cast<int>(month), static_cast<int>(day), hour};
  return end;
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

namespace {

// Any line: blanks, comments, full-width digits, the other readers' forms and
// complaints.
std::optional<Instant> ReadGeneralLine(std::string_view line) {
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

}  // namespace

std::optional<Instant> ReadInstantLine(const char* at, const char* end, const char*& next) {
  Instant instant;
  if (const char* const line_end = ReadPlainLine(at, instant)) {
    next = line_end + 1;
    return instant;
  }
  const auto* const line_end = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
  next = line_end + 1;
  return ReadGeneralLine(std::string_view(at, static_cast<std::size_t>(line_end - at)));
}

std::optional<Instant> ReadInstantLine(std::string_view line) {
  // The quick reading wants its "\n"; a line over the limit is no instant anyway.
  if (line.size() <= kMaxInstantLineBytes) {
    char terminated[kMaxInstantLineBytes + 1];
    line.copy(terminated, line.size());
    terminated[line.size()] = '\n';
    Instant instant;
    if (ReadPlainLine(terminated, instant) == terminated + line.size()) return instant;
  }
  return ReadGeneralLine(line);
}

}  // namespace cli
