// SPDX-License-Identifier: MIT
// Properties of the readers of noonmark's latitude, nodus height and clock time: a
// value is accepted only when the whole text (digits in ASCII or full width) has
// the reader's form and is in range, and then it is the number written; anything
// else is one ValueError that names the argument in a line without control
// characters.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "cli/io/values.h"
#include "cli_read.h"
#include "fuzz_check.h"
#include "platform/core/ascii_digits.h"

namespace {

using fuzz::Read;

// The number strtod reads from the whole text, when the text has the given form.
std::optional<double> Number(const std::string& ascii, const std::regex& form) {
  if (!std::regex_match(ascii, form)) return std::nullopt;
  return std::strtod(ascii.c_str(), nullptr);
}

// The refusal names the argument as the caller called it.
template <typename F>
void CheckNamed(const std::string& name, F&& read) {
  try {
    read();
  } catch (const cli::ValueError& error) {
    FUZZ_CHECK(error.message.rfind(name + " '", 0) == 0, "the refusal starts with the name: " + error.message);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(text);
  const std::string ascii = platform::AsciiDigits(text);
  static const std::regex decimal("[0-9]+(\\.[0-9]+)?");
  static const std::regex signed_decimal("-?[0-9]+(\\.[0-9]+)?");
  static const std::regex clock("([0-9]{2}):([0-9]{2})");

  const std::optional<double> degrees = Number(ascii, signed_decimal);
  const auto latitude = Read([&] { return cli::ReadLatitude("--latitude", text); });
  FUZZ_CHECK(latitude.has_value() == (degrees && *degrees >= -90 && *degrees <= 90),
             "a latitude is accepted exactly when it is -90..90");
  FUZZ_CHECK(!latitude || (*latitude == *degrees && std::signbit(*latitude) == std::signbit(*degrees)),
             "the latitude is the number written, " + fuzz::Exact(latitude.value_or(0)));
  CheckNamed("--latitude", [&] { cli::ReadLatitude("--latitude", text); });

  const std::optional<double> mm = Number(ascii, decimal);
  const auto height = Read([&] { return cli::ReadHeightMm("--height", text); });
  FUZZ_CHECK(height.has_value() == (mm && *mm >= cli::kLeastHeightMm && *mm <= cli::kMostHeightMm),
             "a height is accepted exactly in 0.1 <= MM <= 100000");
  FUZZ_CHECK(!height || *height == *mm, "the height is the number written, " + fuzz::Exact(height.value_or(0)));
  CheckNamed("--height", [&] { cli::ReadHeightMm("--height", text); });

  std::smatch parts;
  const bool shaped = std::regex_match(ascii, parts, clock);
  const int hours = shaped ? std::stoi(parts[1]) : 0;
  const int minutes = shaped ? std::stoi(parts[2]) : 0;
  const auto time = Read([&] { return cli::ReadClockMinutes("--time", text); });
  FUZZ_CHECK(time.has_value() == (shaped && hours < 24 && minutes < 60), "a clock time is accepted exactly in 00:00..23:59");
  FUZZ_CHECK(!time || *time == hours * 60 + minutes, "the clock time is its minutes after midnight");
  CheckNamed("--time", [&] { cli::ReadClockMinutes("--time", text); });
  return 0;
}
