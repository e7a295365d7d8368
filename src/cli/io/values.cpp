// SPDX-License-Identifier: MIT
#include "cli/io/values.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "engine/module1.h"
#include "platform/core/ascii_digits.h"

namespace cli {
namespace {

using platform::AsciiDigits;

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

[[noreturn]] void Refuse(const std::string& name, const std::string& text, const std::string& what) {
  throw ValueError{name + " " + Echo(text) + " " + what};
}

// A whole number with an optional leading minus, within [low, high].
long ReadWhole(const std::string& name, const std::string& text, long low, long high, const std::string& what) {
  const std::string ascii = AsciiDigits(text);
  const std::string_view digits = std::string_view(ascii).substr(!ascii.empty() && ascii[0] == '-' ? 1 : 0);
  long value = 0;
  if (!AllDigits(digits)) Refuse(name, text, "is not " + what);
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size() || value < low || value > high) {
    Refuse(name, text, "is not " + what);
  }
  return value;
}

// Digits, optionally a point and more digits (no sign, exponent or blanks), read
// the same whatever LC_NUMERIC says; none for anything else.
std::optional<double> ReadPlainDecimal(std::string_view ascii) {
  const std::size_t point = ascii.find('.');
  const bool well_formed =
      AllDigits(ascii.substr(0, point)) && (point == std::string_view::npos || AllDigits(ascii.substr(point + 1)));
  double value = 0;
  if (!well_formed) return std::nullopt;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

}  // namespace

int16_t ReadYear(const std::string& name, const std::string& text) {
  return static_cast<int16_t>(ReadWhole(name, text, -32768, 32767, "a whole number in -32768..32767"));
}

int ReadMonth(const std::string& name, const std::string& text) {
  return static_cast<int>(ReadWhole(name, text, 1, 12, "a month 1..12"));
}

int ReadDay(const std::string& name, const std::string& text, int16_t year, int month) {
  const int days_in_month = Module1::DaysInMonth(year, month);
  return static_cast<int>(
      ReadWhole(name, text, 1, days_in_month, "a day 1.." + std::to_string(days_in_month) + " of that month"));
}

double ReadHour(const std::string& name, const std::string& text) {
  const std::optional<double> hours = ReadPlainDecimal(AsciiDigits(text));
  if (hours && *hours >= 0 && *hours < 24) return *hours;
  Refuse(name, text, "is not an hour 0 <= HOUR < 24 (decimal, with a point)");
}

double ReadLongitude(const std::string& name, const std::string& text) {
  const std::string ascii = AsciiDigits(text);
  const bool west = !ascii.empty() && ascii[0] == '-';
  const std::optional<double> degrees = ReadPlainDecimal(std::string_view(ascii).substr(west ? 1 : 0));
  if (degrees && *degrees <= 180) return west ? -*degrees : *degrees;
  Refuse(name, text, "is not a longitude -180..180 (decimal degrees, east positive, with a point)");
}

double ReadLatitude(const std::string& name, const std::string& text) {
  const std::string ascii = AsciiDigits(text);
  const bool south = !ascii.empty() && ascii[0] == '-';
  const std::optional<double> degrees = ReadPlainDecimal(std::string_view(ascii).substr(south ? 1 : 0));
  if (degrees && *degrees <= 90) return south ? -*degrees : *degrees;
  Refuse(name, text, "is not a latitude -90..90 (decimal degrees, north positive, with a point)");
}

double ReadHeightMm(const std::string& name, const std::string& text) {
  const std::optional<double> mm = ReadPlainDecimal(AsciiDigits(text));
  if (mm && *mm >= kLeastHeightMm && *mm <= kMostHeightMm) return *mm;
  Refuse(name, text, "is not a height 0.1 <= MM <= 100000 (millimetres, decimal, with a point)");
}

int ReadWholeInRange(const std::string& name, const std::string& text, int low, int high) {
  return static_cast<int>(ReadWhole(name, text, low, high,
                                    "a whole number " + std::to_string(low) + ".." + std::to_string(high)));
}

double ReadSignedAngle(const std::string& name, const std::string& text) {
  const std::string ascii = AsciiDigits(text);
  const bool negative = !ascii.empty() && ascii[0] == '-';
  const std::optional<double> degrees = ReadPlainDecimal(std::string_view(ascii).substr(negative ? 1 : 0));
  if (degrees && *degrees <= 180) return negative ? -*degrees : *degrees;
  Refuse(name, text, "is not an angle -180..180 (decimal degrees, with a point)");
}

double ReadLengthM(const std::string& name, const std::string& text) {
  const std::optional<double> m = ReadPlainDecimal(AsciiDigits(text));
  if (m && *m > 0 && *m <= 1000) return *m;
  Refuse(name, text, "is not a length 0 < M <= 1000 (metres, decimal, with a point)");
}

double ReadDegrees(const std::string& name, const std::string& text, double high, const std::string& what) {
  const std::optional<double> degrees = ReadPlainDecimal(AsciiDigits(text));
  if (degrees && *degrees <= high) return *degrees;
  Refuse(name, text, "is not " + what + " (decimal degrees, with a point)");
}

int ReadClockMinutes(const std::string& name, const std::string& text) {
  const std::string ascii = AsciiDigits(text);
  const bool shaped = ascii.size() == 5 && ascii[2] == ':' && AllDigits(std::string_view(ascii).substr(0, 2)) &&
                      AllDigits(std::string_view(ascii).substr(3, 2));
  if (shaped) {
    const int hours = (ascii[0] - '0') * 10 + (ascii[1] - '0');
    const int minutes = (ascii[3] - '0') * 10 + (ascii[4] - '0');
    if (hours < 24 && minutes < 60) return hours * 60 + minutes;
  }
  Refuse(name, text, "is not a clock time HH:MM, 00:00..23:59");
}

}  // namespace cli
