// SPDX-License-Identifier: MIT
#include "platform/core/convert.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>

#include "platform/core/ascii_digits.h"
#include "platform/core/runtime_error.h"

namespace platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  return value >= 0 && value < base ? value : -1;
}

struct NumberScan {
  bool found = false;  // a number stands at the start
  std::size_t end = 0; // index just past it
  double value = 0;
};

// &H / &O integer: up to 16 bits reads as a signed 16-bit value (&HFFFF is −1), up
// to 32 bits as a signed 32-bit value; more is an overflow.
NumberScan ScanRadixInteger(std::string_view s, int base) {
  NumberScan scan;
  std::size_t i = 2;
  uint64_t value = 0;
  bool too_large = false;
  for (int digit; i < s.size() && (digit = DigitValue(s[i], base)) >= 0; ++i) {
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFu) {
      too_large = true;
      value = 0;
    }
  }
  if (i == 2) return scan;
  if (too_large) throw RuntimeError::Overflow();
  scan.found = true;
  scan.end = i;
  scan.value = value <= 0xFFFF ? static_cast<int16_t>(static_cast<uint16_t>(value))
                               : static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
  return scan;
}

// Decimal text (optional sign, digits with at most one full stop, optional
// exponent) to the nearest double, independent of the process locale (the
// windows' toolkit sets LC_NUMERIC from the environment).
double ParseDecimal(const std::string& canonical) {
  const char* first = canonical.data();
  const char* last = first + canonical.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc() && end == last) return value;
  // Out of a double's range: strtod tells an overflow (raised) from an underflow
  // (read as 0 or a subnormal, without error).
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  value = strtod_l(canonical.c_str(), nullptr, c_locale);
  if (errno == ERANGE && std::isinf(value)) throw RuntimeError::Overflow();
  return value;
}

// The number at the start of `s` (ASCII, blanks already handled by the caller).
NumberScan ScanNumber(std::string_view s) {
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ScanRadixInteger(s, 16);
    if (s[1] == 'O' || s[1] == 'o') return ScanRadixInteger(s, 8);
    return {};
  }
  std::string canonical;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) canonical += s[i++];
  std::size_t digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) canonical += s[i];
  if (i < s.size() && s[i] == '.') {
    canonical += s[i++];
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) canonical += s[i];
  }
  if (digits == 0) return {};
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    if (j < s.size() && IsDigit(s[j])) {
      for (; j < s.size() && IsDigit(s[j]); ++j) exponent += s[j];
      canonical += exponent;
      i = j;
    }
  }
  return {true, i, ParseDecimal(canonical)};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A text of ASCII digits with at most one full stop and an optional minus sign
// (the texts the program writes itself) read at once, without the general scan;
// nullopt for any other text or a value beyond a double's range.
std::optional<double> PlainDecimal(std::string_view text) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const bool negative = !text.empty() && text[0] == '-';
  std::size_t digits = 0;
  std::size_t decimals = 0;
  bool full_stop = false;
  uint64_t mantissa = 0;
  for (std::size_t k = negative ? 1 : 0; k < text.size(); ++k) {
    if (IsDigit(text[k])) {
      ++digits;
      if (digits <= 15) mantissa = mantissa * 10 + static_cast<uint64_t>(text[k] - '0');
      if (full_stop) ++decimals;
    } else if (text[k] == '.' && !full_stop) {
      full_stop = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // Up to 15 digits the mantissa and the power of ten are exact doubles, and one
  // correctly rounded division gives the double nearest the decimal.
  if (digits <= 15) {
    const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return negative ? -magnitude : magnitude;
  }
  double value = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return std::nullopt;
  return value;
}

// Shortest general form with `digits` significant digits, exponent as 1E+15.
// std::to_chars writes as printf does in the C locale, whatever the process locale
// (the windows' toolkit sets LC_NUMERIC from the environment).
std::string GeneralForm(double value, int digits, double ten_to_digits) {
  if (value == 0) return "0";  // also for −0
  char text[64];
  // A whole number with at most `digits` digits is written as it is.
  if (std::fabs(value) < ten_to_digits && value == std::trunc(value)) {
    const auto written = std::to_chars(text, text + sizeof text, static_cast<long long>(value));
    return std::string(text, written.ptr);
  }
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
  std::string general(text, written.ptr);
  for (char& c : general) {
    if (c == 'e') c = 'E';
  }
  return general;
}

}  // namespace

namespace {
NumberScan ScanLeadingNumber(std::string_view text) {
  std::string ascii = AsciiDigits(text);
  std::erase_if(ascii, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  return ScanNumber(ascii);
}
}  // namespace

double LeadingNumber(std::string_view text) {
  const NumberScan scan = ScanLeadingNumber(text);
  return scan.found ? scan.value : 0;
}

bool StartsWithNumber(std::string_view text) { return ScanLeadingNumber(text).found; }

double TextToDouble(std::string_view text) {
  if (const std::optional<double> plain = PlainDecimal(text)) return *plain;
  const std::string ascii = AsciiDigits(text);
  std::size_t first = 0;
  std::size_t last = ascii.size();
  while (first < last && IsBlank(ascii[first])) ++first;
  while (last > first && IsBlank(ascii[last - 1])) --last;
  const std::string_view number = std::string_view(ascii).substr(first, last - first);
  const NumberScan scan = ScanNumber(number);
  if (!scan.found || scan.end != number.size()) throw RuntimeError::TypeMismatch();
  return scan.value;
}

float TextToSingle(std::string_view text) {
  const double value = TextToDouble(text);
  // Beyond the largest single plus half its last unit the value rounds to infinity.
  if (std::fabs(value) >= 0x1.ffffffp+127) throw RuntimeError::Overflow();
  return static_cast<float>(value);
}

int16_t TextToInteger(std::string_view text) { return RoundToInteger(TextToDouble(text)); }

int16_t RoundToInteger(double value) {
  if (std::isnan(value)) throw RuntimeError::InvalidOperation();
  const double whole = std::floor(value);
  const double fraction = value - whole;  // exact
  double rounded = whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2) != 0)) rounded = whole + 1;
  if (!(rounded >= -32768 && rounded <= 32767)) throw RuntimeError::Overflow();
  return static_cast<int16_t>(rounded);
}

std::string NumberToText(int value) { return std::to_string(value); }

std::string NumberToText(double value) { return GeneralForm(value, 15, 1e15); }

std::string SingleToText(float value) { return GeneralForm(value, 7, 1e7); }

double RoundToTenths(double value) {
  // value × 10 = whole_tenths + fraction + product_error, each term exact.
  const double tenths = value * 10;
  const double whole_tenths = std::floor(tenths);
  const double fraction = tenths - whole_tenths;
  if (fraction != 0.5) return fraction > 0.5 ? whole_tenths + 1 : whole_tenths;
  // The product's rounding error decides, and only here: a library call the
  // common case does without. An exact half (16.25) rounds away from zero, as the
  // pattern does (printf would round it to even).
  const double product_error = std::fma(value, 10, -tenths);
  const bool round_up = product_error > 0 || (product_error == 0 && value > 0);
  return round_up ? whole_tenths + 1 : whole_tenths;
}

std::string FormatFixedOneDecimal(double value) {
  char text[400];  // the largest double has 309 integer digits
  // From 2^52 / 10 on the tenths have no fraction left; there (and for infinities
  // and NaN) to_chars writes the value as printf("%.1f") does in the C locale.
  if (!(std::fabs(value) < 4e14)) {
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, written.ptr);
  }
  const auto magnitude = static_cast<long long>(std::fabs(RoundToTenths(value)));
  // Written backwards from the end of `text`: the tenth, the full stop, the whole part.
  char* first = text + sizeof text;
  *--first = static_cast<char>('0' + magnitude % 10);
  *--first = '.';
  long long whole = magnitude / 10;
  do {
    *--first = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  if (std::signbit(value)) *--first = '-';  // "-0.0" for −0.04, as printf writes it
  return std::string(first, text + sizeof text);
}

}  // namespace platform
