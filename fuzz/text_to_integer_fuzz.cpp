// SPDX-License-Identifier: MIT
// Properties of TextToInteger and RoundToInteger: the text's double rounded half to
// even, in 16 bits or an overflow, and every integer written back reads the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "platform/core/convert.h"

namespace {

using fuzz::Exact;
using fuzz::Outcome;
using fuzz::Run;

// RoundToInteger against the hardware's own rounding (round to nearest, ties to
// even, the default mode): the result, or overflow outside 16 bits, or invalid
// operation for a NaN.
Outcome<int16_t> ExpectedRounding(double value) {
  if (std::isnan(value)) return {std::nullopt, fuzz::kInvalidOperation};
  const double rounded = std::nearbyint(value);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return {std::nullopt, fuzz::kOverflow};
  return {static_cast<int16_t>(rounded), 0};
}

// Every way of writing an integer the program has reads back as that integer.
void CheckIntegerRoundTrip(int16_t value) {
  const struct {
    const char* how;
    std::string text;
  } kWritten[] = {
      {"NumberToText(int)", platform::NumberToText(static_cast<int>(value))},
      {"NumberToText(double)", platform::NumberToText(static_cast<double>(value))},
      {"SingleToText", platform::SingleToText(static_cast<float>(value))},
      {"full width", fuzz::ToFullWidth(platform::NumberToText(static_cast<int>(value)))},
  };
  for (const auto& written : kWritten) {
    const Outcome<int16_t> reread = Run([&] { return platform::TextToInteger(written.text); });
    FUZZ_CHECK(reread.value == value, std::string(written.how) + " of " + std::to_string(value) + " is " +
                                          written.text + ", which reads as " + reread.Describe());
  }
  const Outcome<double> leading = Run([&] { return platform::LeadingNumber(platform::NumberToText(value)); });
  FUZZ_CHECK(leading.value == static_cast<double>(value),
             "LeadingNumber of " + std::to_string(value) + " is " + leading.Describe());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(text);

  const Outcome<int16_t> integer = Run([&] { return platform::TextToInteger(text); });
  FUZZ_CHECK(integer.value || integer.error == fuzz::kOverflow || integer.error == fuzz::kTypeMismatch,
             "TextToInteger: " + integer.Describe());
  const Outcome<int16_t> wide = Run([&] { return platform::TextToInteger(fuzz::ToFullWidth(text)); });
  FUZZ_CHECK(fuzz::SameOutcome(integer, wide), "full width: " + wide.Describe() + ", ASCII: " + integer.Describe());

  // TextToInteger succeeds exactly when TextToDouble does and its rounding fits.
  const Outcome<double> whole = Run([&] { return platform::TextToDouble(text); });
  if (whole.value) {
    const Outcome<int16_t> expected = ExpectedRounding(*whole.value);
    FUZZ_CHECK(fuzz::SameOutcome(integer, expected), "TextToDouble " + Exact(*whole.value) + " rounds to " +
                                                         expected.Describe() + ", TextToInteger " +
                                                         integer.Describe());
  } else {
    FUZZ_CHECK(fuzz::SameOutcome(integer, Outcome<int16_t>{std::nullopt, whole.error}),
               "TextToDouble " + whole.Describe() + " but TextToInteger " + integer.Describe());
  }
  if (integer.value) CheckIntegerRoundTrip(*integer.value);

  // The leading bytes as a raw double reach what no text gives: NaN, infinities,
  // subnormals, values next to the halves and to the 16-bit limits.
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    const Outcome<int16_t> rounded = Run([&] { return platform::RoundToInteger(raw); });
    const Outcome<int16_t> expected = ExpectedRounding(raw);
    FUZZ_CHECK(fuzz::SameOutcome(rounded, expected),
               "RoundToInteger(" + Exact(raw) + ") = " + rounded.Describe() + ", expected " + expected.Describe());
  }
  return 0;
}
