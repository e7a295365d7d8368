// SPDX-License-Identifier: MIT
// Properties of TextToSingle against TextToDouble, and of the 7-digit general form
// of a single read back.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/core/convert.h"

namespace {

using fuzz::Exact;
using fuzz::Outcome;
using fuzz::Run;

// No single lies closer to `target` than `single` (ties allowed). Distances in
// long double, where a double minus a nearby single is exact.
bool IsNearestSingle(double target, float single) {
  const long double distance = std::fabs(static_cast<long double>(target) - single);
  for (const float toward : {INFINITY, -INFINITY}) {
    const float neighbour = std::nextafter(single, toward);
    if (std::isinf(neighbour)) continue;
    if (std::fabs(static_cast<long double>(target) - neighbour) < distance) return false;
  }
  return true;
}

// A single written with 7 significant digits and read again: well formed, always
// readable (the largest single rounds down to 3.402823E+38), writes the same text
// again, and moved by no more than half a unit in the 7th digit (5e-7 relative)
// plus half a unit of the single (2^-24 relative).
void CheckSingleFormRoundTrip(float value) {
  const std::string text = platform::SingleToText(value);
  const std::string fault = fuzz::GeneralFormFault(text, value < 0, 7);
  FUZZ_CHECK(fault.empty(), "SingleToText(" + Exact(value) + ") = " + text + ": " + fault);
  if (value == std::floor(value) && std::fabs(value) < 1e7f) {
    FUZZ_CHECK(text == std::to_string(static_cast<long>(value)), "integer " + Exact(value) + " written as " + text);
  }

  const Outcome<float> reread = Run([&] { return platform::TextToSingle(text); });
  FUZZ_CHECK(reread.value.has_value(), "general form " + text + " of " + Exact(value) + ": " + reread.Describe());
  const float again = *reread.value;
  FUZZ_CHECK(platform::SingleToText(again) == text,
             text + " reads as " + Exact(again) + ", written as " + platform::SingleToText(again));
  const double tolerance = 5.7e-7 * std::fmax(std::fabs(value), std::fabs(again)) + FLT_TRUE_MIN;
  FUZZ_CHECK(std::fabs(static_cast<double>(again) - value) <= tolerance,
             Exact(value) + " -> " + text + " -> " + Exact(again) + " beyond 7-digit rounding");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(text);

  const Outcome<float> single = Run([&] { return platform::TextToSingle(text); });
  FUZZ_CHECK(single.value || single.error == fuzz::kOverflow || single.error == fuzz::kTypeMismatch,
             "TextToSingle: " + single.Describe());
  const Outcome<float> wide = Run([&] { return platform::TextToSingle(fuzz::ToFullWidth(text)); });
  FUZZ_CHECK(fuzz::SameOutcome(single, wide), "full width: " + wide.Describe() + ", ASCII: " + single.Describe());

  // A single is the double of the same text rounded to the nearest single; it
  // overflows exactly when that rounding gives an infinity, and fails exactly as
  // the double does otherwise.
  const Outcome<double> whole = Run([&] { return platform::TextToDouble(text); });
  if (!whole.value) {
    FUZZ_CHECK(!single.value && single.error == whole.error,
               "TextToDouble " + whole.Describe() + " but TextToSingle " + single.Describe());
    return 0;
  }
  const double target = *whole.value;
  if (std::isinf(static_cast<float>(target))) {
    FUZZ_CHECK(!single.value && single.error == fuzz::kOverflow,
               Exact(target) + " is beyond a single, TextToSingle " + single.Describe());
    return 0;
  }
  FUZZ_CHECK(single.value.has_value(), "TextToDouble " + Exact(target) + " but TextToSingle " + single.Describe());
  const float value = *single.value;
  FUZZ_CHECK(std::isfinite(value) && IsNearestSingle(target, value),
             Exact(value) + " is not the single nearest to " + Exact(target));
  FUZZ_CHECK(std::signbit(value) == std::signbit(target), "sign lost: " + Exact(target) + " -> " + Exact(value));

  CheckSingleFormRoundTrip(value);
  return 0;
}
