// SPDX-License-Identifier: MIT
// Properties of LeadingNumber and TextToDouble on arbitrary bytes, and of the
// 15-digit general form they are read back from.

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

// The same text with a blank, tab, line feed or ideographic space before every
// character and at the end. Inserted only before bytes that start a character (or
// a malformed byte), so no multi-byte sequence changes its decoding.
std::string WithBlanksEverywhere(const std::string& text) {
  static const char* const kBlanks[] = {" ", "\t", "\n", "\xE3\x80\x80"};
  std::string out;
  std::size_t next = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) out += kBlanks[next++ % 4];
    out += c;
  }
  return out + kBlanks[next % 4];
}

// A value written in the general form and read again: the text is well formed,
// reading it back and writing again gives the same text, and the value moved by no
// more than the rounding to 15 significant digits (half a unit in the 15th digit,
// at most 5e-15 relative) plus the rounding of that decimal to a double.
void CheckGeneralFormRoundTrip(double value) {
  const std::string text = platform::NumberToText(value);
  const std::string fault = fuzz::GeneralFormFault(text, value < 0, 15);
  FUZZ_CHECK(fault.empty(), "NumberToText(" + Exact(value) + ") = " + text + ": " + fault);
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    FUZZ_CHECK(text == std::to_string(static_cast<long long>(value)),
               "integer " + Exact(value) + " written as " + text);
  }

  const Outcome<double> reread = Run([&] { return platform::LeadingNumber(text); });
  if (!reread.value) {
    // Only the largest doubles: 15 digits round them up past DBL_MAX.
    FUZZ_CHECK(reread.error == fuzz::kOverflow &&
                   (text == "1.79769313486232E+308" || text == "-1.79769313486232E+308"),
               "general form " + text + " of " + Exact(value) + " reads as " + reread.Describe());
    return;
  }
  const double again = *reread.value;
  FUZZ_CHECK(platform::NumberToText(again) == text,
             text + " reads as " + Exact(again) + ", written as " + platform::NumberToText(again));
  const double tolerance = 5.2e-15 * std::fmax(std::fabs(value), std::fabs(again)) + DBL_TRUE_MIN;
  FUZZ_CHECK(std::fabs(again - value) <= tolerance,
             Exact(value) + " -> " + text + " -> " + Exact(again) + " beyond 15-digit rounding");

  // The general form is a whole number for TextToDouble too.
  const Outcome<double> whole = Run([&] { return platform::TextToDouble(text); });
  FUZZ_CHECK(fuzz::SameOutcome(whole, reread),
             "TextToDouble(" + text + ") = " + whole.Describe() + ", LeadingNumber " + reread.Describe());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(text);

  // A text without a number reads as 0: the one possible error is overflow.
  const Outcome<double> leading = Run([&] { return platform::LeadingNumber(text); });
  FUZZ_CHECK(leading.value || leading.error == fuzz::kOverflow, "LeadingNumber: " + leading.Describe());
  if (leading.value) FUZZ_CHECK(std::isfinite(*leading.value), "LeadingNumber: " + leading.Describe());

  // Nothing that cannot continue a number changes the reading: a trailing foreign
  // character, blanks anywhere, full-width twins for ASCII digits and signs.
  const Outcome<double> suffixed = Run([&] { return platform::LeadingNumber(text + "年"); });
  FUZZ_CHECK(fuzz::SameOutcome(leading, suffixed),
             "with 年 appended: " + suffixed.Describe() + ", without: " + leading.Describe());
  const Outcome<double> spaced = Run([&] { return platform::LeadingNumber(WithBlanksEverywhere(text)); });
  FUZZ_CHECK(fuzz::SameOutcome(leading, spaced),
             "with blanks inserted: " + spaced.Describe() + ", without: " + leading.Describe());
  const Outcome<double> wide = Run([&] { return platform::LeadingNumber(fuzz::ToFullWidth(text)); });
  FUZZ_CHECK(fuzz::SameOutcome(leading, wide),
             "full width: " + wide.Describe() + ", ASCII: " + leading.Describe());

  const Outcome<double> whole = Run([&] { return platform::TextToDouble(text); });
  FUZZ_CHECK(whole.value || whole.error == fuzz::kOverflow || whole.error == fuzz::kTypeMismatch,
             "TextToDouble: " + whole.Describe());
  const Outcome<double> whole_wide = Run([&] { return platform::TextToDouble(fuzz::ToFullWidth(text)); });
  FUZZ_CHECK(fuzz::SameOutcome(whole, whole_wide),
             "TextToDouble full width: " + whole_wide.Describe() + ", ASCII: " + whole.Describe());

  // A whole number is blanks, a number without blanks, blanks; removing every
  // blank leaves just that number for LeadingNumber. The converse does not hold
  // ("1 2" leads with 12 but is no whole number), nor does it for overflow: the
  // blank in "1000…0e-1 00" ends TextToDouble's overflowing exponent early, while
  // LeadingNumber reads e-100.
  if (whole.value) {
    FUZZ_CHECK(fuzz::SameOutcome(whole, leading),
               "TextToDouble " + whole.Describe() + " but LeadingNumber " + leading.Describe());
  }

  if (leading.value) CheckGeneralFormRoundTrip(*leading.value);
  return 0;
}
