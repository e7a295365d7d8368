// SPDX-License-Identifier: MIT
#include "platform/core/convert.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "platform/core/runtime_error.h"

namespace platform {
namespace {

// Stands for any character that can never be part of a number.
constexpr char kForeign = '\x7f';

// Maps one code point to the ASCII character it reads as in a number.
char NumericTwin(char32_t code_point) {
  if (code_point < 0x80) return static_cast<char>(code_point);
  if (code_point >= U'０' && code_point <= U'９') return static_cast<char>('0' + (code_point - U'０'));
  switch (code_point) {
    case U'＋': return '+';
    case U'－': return '-';
    case U'．': return '.';
    case U'\u3000': return ' ';  // ideographic space
    default: return kForeign;
  }
}

// Decodes UTF-8 into one ASCII character per code point (see NumericTwin); every
// byte of a malformed sequence becomes kForeign.
std::string ToNumericAscii(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
               : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    char32_t code_point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (int k = 1; k < length; ++k) {
      const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
      if ((next & 0xC0) != 0x80) {
        length = 0;
        break;
      }
      code_point = (code_point << 6) | (next & 0x3F);
    }
    if (length == 0) {
      ascii += kForeign;
      ++i;
      continue;
    }
    ascii += NumericTwin(code_point);
    i += static_cast<std::size_t>(length);
  }
  return ascii;
}

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

// Decimal text to the nearest double, independent of the process locale (the
// windows' toolkit sets LC_NUMERIC from the environment).
double ParseDecimal(const std::string& canonical) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  const double value = strtod_l(canonical.c_str(), nullptr, c_locale);
  if (errno == ERANGE && std::isinf(value)) throw RuntimeError::Overflow();
  return value;  // an underflow reads as 0 or a subnormal, without error
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

// Shortest general form with `digits` significant digits, exponent as 1E+15.
std::string GeneralForm(double value, int digits) {
  if (value == 0) return "0";  // also for −0
  char text[64];
  std::snprintf(text, sizeof text, "%.*G", digits, value);
  return text;
}

}  // namespace

namespace {
NumberScan ScanLeadingNumber(std::string_view text) {
  std::string ascii = ToNumericAscii(text);
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
  const std::string ascii = ToNumericAscii(text);
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

std::string NumberToText(double value) { return GeneralForm(value, 15); }

std::string SingleToText(float value) { return GeneralForm(value, 7); }

std::string FormatFixedOneDecimal(double value) {
  const double tenths = value * 10;
  const double whole_tenths = std::floor(tenths);
  // value × 10 exact and ending in .5: the value lies exactly halfway between two
  // one-decimal numbers. printf would round it to even; the pattern rounds it away
  // from zero.
  if (std::fma(value, 10, -tenths) == 0 && tenths - whole_tenths == 0.5) {
    const double away = value > 0 ? whole_tenths + 1 : whole_tenths;
    // |tenths| < 2^52 here (it has a fractional half), so it fits in 64 bits.
    const auto magnitude = static_cast<long long>(std::fabs(away));
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld.%lld", away < 0 ? "-" : "", magnitude / 10, magnitude % 10);
    return text;
  }
  char text[400];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace platform
