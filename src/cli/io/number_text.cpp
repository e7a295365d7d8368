// SPDX-License-Identifier: MIT
#include "cli/io/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/core/convert.h"

namespace cli {
namespace {

char* Copy(char* at, const std::string& text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// `value` < 100 as two digits.
char* WritePair(char* at, std::uint64_t value) {
  std::memcpy(at, kPairs + value * 2, 2);
  return at + 2;
}

// `value` in decimal, at least `width` digits with leading zeros; the one or two
// digits of the common small numbers without a loop.
char* WriteDigits(char* at, std::uint64_t value, int width) {
  if (width <= 1 && value < 10) {
    *at = static_cast<char>('0' + value);
    return at + 1;
  }
  if (width <= 2 && value < 100) return WritePair(at, value);
  char digits[24];
  char* first = digits + sizeof digits;
  while (value >= 100) {
    first -= 2;
    std::memcpy(first, kPairs + value % 100 * 2, 2);
    value /= 100;
  }
  if (value >= 10) {
    first -= 2;
    std::memcpy(first, kPairs + value * 2, 2);
  } else {
    *--first = static_cast<char>('0' + value);
  }
  while (digits + sizeof digits - first < width) *--first = '0';
  const auto count = static_cast<std::size_t>(digits + sizeof digits - first);
  std::memcpy(at, first, count);
  return at + count;
}

// The single nearest each tenth of a second below a minute, i / 10.
constexpr auto kTenthSingles = [] {
  std::array<float, 601> singles{};
  for (std::size_t i = 0; i < singles.size(); ++i) singles[i] = static_cast<float>(static_cast<double>(i) / 10);
  return singles;
}();

}  // namespace

char* WriteSixDecimals(char* at, double value) {
  const double magnitude = std::fabs(value);
  if (magnitude < 1000) {
    // magnitude × 10⁶ is below 2³⁰, so the product is off the exact value by less
    // than 2⁻²³: only a fraction within 10⁻⁶ of one half needs the exact rounding.
    // Truncated, the positive product is its floor.
    const double scaled = magnitude * 1e6;
    const auto whole = static_cast<double>(static_cast<std::int64_t>(scaled));
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) > 1e-6) {
      const auto millionths = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
      if (std::signbit(value)) *at++ = '-';
      at = WriteDigits(at, millionths / 1000000, 1);
      *at++ = '.';
      const std::uint64_t fraction = millionths % 1000000;
      at = WritePair(at, fraction / 10000);
      at = WritePair(at, fraction / 100 % 100);
      return WritePair(at, fraction % 100);
    }
  }
  return std::to_chars(at, at + kMaxNumberText, value, std::chars_format::fixed, 6).ptr;
}

char* WriteSingle(char* at, float value) {
  // A whole number of tenths, as the seconds always are: the general form is its
  // digits with the tenth after a full stop unless it is 0. Below a minute the
  // tenths (value × 10 rounded half away from zero: the truncated product, one more
  // for a fraction of a half) are checked against a table instead of a division.
  if (value >= 0 && value < 60) {
    const float product = value * 10;
    auto tenths = static_cast<unsigned>(product);
    tenths += product - static_cast<float>(tenths) >= 0.5f ? 1 : 0;
    if (kTenthSingles[tenths] == value) {
      at = WriteDigits(at, tenths / 10, 1);
      if (tenths % 10 != 0) {
        *at++ = '.';
        *at++ = static_cast<char>('0' + tenths % 10);
      }
      return at;
    }
  }
  const float tenths = std::round(value * 10);
  if (value >= 0 && tenths < 1e4f && static_cast<float>(static_cast<double>(tenths) / 10) == value) {
    const auto whole_tenths = static_cast<std::uint64_t>(tenths);
    at = WriteDigits(at, whole_tenths / 10, 1);
    if (whole_tenths % 10 != 0) {
      *at++ = '.';
      *at++ = static_cast<char>('0' + whole_tenths % 10);
    }
    return at;
  }
  return Copy(at, platform::SingleToText(value));
}

char* WriteNumber(char* at, double value) {
  if (value >= 0 && value < 100) {  // the whole minutes of a row
    const auto whole = static_cast<unsigned>(value);
    if (whole == value) return WriteDigits(at, whole, 1);
  }
  if (value >= 0 && value < 1e9 && value == std::floor(value)) {
    return WriteDigits(at, static_cast<std::uint64_t>(value), 1);
  }
  return Copy(at, platform::NumberToText(value));
}

char* WriteShortest(char* at, double value) {
  return std::to_chars(at, at + kMaxNumberText, value, std::chars_format::fixed).ptr;
}

char* WriteIsoDate(char* at, int year, int month, int day) {
  if (year < 0) *at++ = '-';
  at = WriteDigits(at, static_cast<std::uint64_t>(std::abs(year)), 4);
  *at++ = '-';
  at = WriteDigits(at, static_cast<std::uint64_t>(month), 2);
  *at++ = '-';
  return WriteDigits(at, static_cast<std::uint64_t>(day), 2);
}

}  // namespace cli
