// SPDX-License-Identifier: MIT
// Properties of orvalin-cli's value readers and of the lines `at --from` reads: a
// value is accepted only when the whole text (digits in ASCII or full width) is
// that number and it is in range, and then it is that number; anything else is one
// ValueError whose message is a line without control characters. A line is read as
// its fields are by the readers, whichever way it takes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "cli/io/instant_line.h"
#include "cli/io/values.h"
#include "cli_read.h"
#include "fuzz_check.h"
#include "platform/core/ascii_digits.h"

namespace {

using fuzz::Read;

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// The number a whole text is, by the C library, when it has the given form.
std::optional<double> Number(const std::string& text, const std::regex& form) {
  const std::string ascii = platform::AsciiDigits(text);
  if (!std::regex_match(ascii, form)) return std::nullopt;
  return std::strtod(ascii.c_str(), nullptr);
}

void CheckReaders(const std::string& text, int year, int month) {
  static const std::regex whole("-?[0-9]+");
  static const std::regex decimal("[0-9]+(\\.[0-9]+)?");
  static const std::regex signed_decimal("-?[0-9]+(\\.[0-9]+)?");
  const std::optional<double> integer = Number(text, whole);
  const auto in = [&](double low, double high) { return integer && *integer >= low && *integer <= high; };

  const auto read_year = Read([&] { return cli::ReadYear("YEAR", text); });
  FUZZ_CHECK(read_year.has_value() == in(-32768, 32767), "YEAR accepted exactly in range");
  FUZZ_CHECK(!read_year || *read_year == *integer, "YEAR is the number written");
  const auto read_month = Read([&] { return cli::ReadMonth("MONTH", text); });
  FUZZ_CHECK(read_month.has_value() == in(1, 12), "MONTH accepted exactly in range");
  FUZZ_CHECK(!read_month || *read_month == *integer, "MONTH is the number written");
  const auto read_day = Read([&] { return cli::ReadDay("DAY", text, static_cast<int16_t>(year), month); });
  FUZZ_CHECK(read_day.has_value() == in(1, DaysIn(year, month)), "DAY accepted exactly in range");
  FUZZ_CHECK(!read_day || *read_day == *integer, "DAY is the number written");

  const std::optional<double> hours = Number(text, decimal);
  const auto read_hour = Read([&] { return cli::ReadHour("HOUR", text); });
  FUZZ_CHECK(read_hour.has_value() == (hours && *hours < 24), "HOUR accepted exactly in range");
  FUZZ_CHECK(!read_hour || *read_hour == *hours, "HOUR is the number written");
  const std::optional<double> degrees = Number(text, signed_decimal);
  const auto read_longitude = Read([&] { return cli::ReadLongitude("DEG", text); });
  FUZZ_CHECK(read_longitude.has_value() == (degrees && std::fabs(*degrees) <= 180), "DEG accepted exactly in range");
  FUZZ_CHECK(!read_longitude || *read_longitude == *degrees, "DEG is the number written");
  const auto read_tilt = Read([&] { return cli::ReadDegrees("--tilt", text, 180, "a tilt 0..180"); });
  FUZZ_CHECK(read_tilt.has_value() == (hours && *hours <= 180), "a plate's DEG accepted exactly in range");
  FUZZ_CHECK(!read_tilt || *read_tilt == *hours, "a plate's DEG is the number written");
  const auto read_angle = Read([&] { return cli::ReadSignedAngle("ANGLE", text); });
  FUZZ_CHECK(read_angle.has_value() == (degrees && std::fabs(*degrees) <= 180), "ANGLE accepted exactly in range");
  FUZZ_CHECK(!read_angle || *read_angle == *degrees, "ANGLE is the number written");
  const auto read_length = Read([&] { return cli::ReadLengthM("M", text); });
  FUZZ_CHECK(read_length.has_value() == (hours && *hours > 0 && *hours <= 1000), "M accepted exactly in range");
  FUZZ_CHECK(!read_length || *read_length == *hours, "M is the number written");
  const auto read_years = Read([&] { return cli::ReadWholeInRange("N", text, 1, 400); });
  FUZZ_CHECK(read_years.has_value() == in(1, 400), "N accepted exactly in range");
  FUZZ_CHECK(!read_years || *read_years == *integer, "N is the number written");
}

// The fields of a line as `at --from` separates them: spaces, tabs, carriage
// returns and ideographic spaces between.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  for (std::size_t at = 0; at <= line.size(); ++at) {
    const bool blank = at == line.size() || line[at] == ' ' || line[at] == '\t' || line[at] == '\r' ||
                       line.compare(at, 3, "\xE3\x80\x80") == 0;
    if (!blank) {
      field += line[at];
      continue;
    }
    if (!field.empty()) fields.push_back(field);
    field.clear();
    if (at < line.size() && line[at] == '\xE3') at += 2;
  }
  return fields;
}

void CheckLine(const std::string& line) {
  const auto read = Read([&] { return cli::ReadInstantLine(line); });
  if (!read) return;
  const std::vector<std::string> fields = Fields(line);
  if (!*read) {
    FUZZ_CHECK(fields.empty() || fields[0][0] == '#', "only a blank or comment line gives no instant");
    return;
  }
  const cli::Instant& instant = **read;
  FUZZ_CHECK(instant.month >= 1 && instant.month <= 12 && instant.day >= 1 &&
                 instant.day <= DaysIn(instant.year, instant.month) && instant.hour >= 0 && instant.hour < 24,
             "an instant in range");
  FUZZ_CHECK(line.size() <= cli::kMaxInstantLineBytes, "no instant from an over-long line");
  if (fields.size() == 3 || fields.size() == 4) {
    FUZZ_CHECK(instant.year == cli::ReadYear("YEAR", fields[0]) &&
                   instant.month == cli::ReadMonth("MONTH", fields[1]) &&
                   instant.day == cli::ReadDay("DAY", fields[2], instant.year, instant.month) &&
                   instant.hour == (fields.size() == 4 ? cli::ReadHour("HOUR", fields[3]) : 0.0),
               "the line reads as its fields do");
    return;
  }
  static const std::regex iso("(-?[0-9]{4,})-([0-9]{2})-([0-9]{2})(T([0-9]{2}):([0-9]{2})(:([0-9]{2}))?Z?)?");
  std::smatch parts;
  const std::string ascii = fields.size() == 1 ? platform::AsciiDigits(fields[0]) : std::string();
  FUZZ_CHECK(std::regex_match(ascii, parts, iso), "one field is an ISO 8601 date");
  const int seconds = (parts[5].matched ? std::stoi(parts[5]) * 3600 + std::stoi(parts[6]) * 60 : 0) +
                      (parts[8].matched ? std::stoi(parts[8]) : 0);
  FUZZ_CHECK(instant.year == std::stol(parts[1]) && instant.month == std::stoi(parts[2]) &&
                 instant.day == std::stoi(parts[3]) && instant.hour == seconds / 3600.0,
             "the ISO date and time as written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the year and month DAY is read against; the rest is the text.
  const int year = data[0] % 4 == 0 ? 2000 : data[0] % 4 == 1 ? 1900 : data[0] % 4 == 2 ? 2004 : -500;
  const int month = data[0] / 4 % 12 + 1;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const fuzz::InputScope scope(text);
  CheckReaders(text, year, month);
  CheckLine(text);
  return 0;
}
