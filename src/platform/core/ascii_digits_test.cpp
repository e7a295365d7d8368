// SPDX-License-Identifier: MIT
#include "platform/core/ascii_digits.h"

#include <gtest/gtest.h>

namespace {

using platform::AsciiDigits;

TEST(AsciiDigits, TheAcceptedCharactersAndEverythingElse) {
  const std::string kX(1, platform::kForeignCharacter);
  const struct {
    const char* name;
    std::string text;
    std::string ascii;
  } kCases[] = {
      {"ascii", "-12.5e+3 &H x", "-12.5e+3 &H x"},
      {"full-width digits", "０１２３４５６７８９", "0123456789"},
      {"full-width signs and stop", "＋－．", "+-."},
      {"ideographic space", "\u3000１\u3000", " 1 "},
      {"other characters, one each", "２００２年", "2002" + kX},
      {"minus sign U+2212 is not a minus", "\u22121", kX + "1"},
      {"emoji", "\U0001F600" "5", kX + "5"},
      {"embedded NUL", std::string("1\0" "2", 3), std::string("1\0" "2", 3)},
      // Malformed UTF-8: every byte stands for itself as a foreign character.
      {"lone continuation byte", "\x80" "1", kX + "1"},
      {"sequence cut short", "1\xEF\xBC", "1" + kX + kX},
      {"cut by an ASCII byte", "\xEF\xBC" "1", kX + kX + "1"},
      // An overlong '0' was read as the digit 0 before.
      {"overlong two bytes", "\xC0\xB0", kX + kX},
      {"overlong three bytes", "\xE0\x80\xB0", kX + kX + kX},
      {"surrogate", "\xED\xA0\x80", kX + kX + kX},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", kX + kX + kX + kX},
  };
  for (const auto& c : kCases) EXPECT_EQ(AsciiDigits(c.text), c.ascii) << c.name;
}

}  // namespace
