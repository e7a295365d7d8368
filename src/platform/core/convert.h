// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text and number conversions of the forms runtime. Texts are UTF-8. Every numeric
// reading first turns the text into ASCII with AsciiDigits (ascii_digits.h), so the
// full-width digits ０-９, sign ＋ －, full stop ． and the ideographic space, which a
// Japanese input method types unnoticed, count exactly as their ASCII twins. Errors
// are platform::RuntimeError (type mismatch 13, overflow 6).
namespace platform {

// The number at the start of a text, as a double. Blanks, tabs and line feeds are
// ignored wherever they stand; then an optional sign, digits with at most one full
// stop, and an optional exponent (E or D, optional sign, digits); or &H / &O with a
// hexadecimal / octal integer (up to 16 bits as a signed 16-bit value, up to 32 bits
// as a signed 32-bit value). Reading stops at the first character that does not
// continue the number; a text that does not begin with one gives 0. A value beyond a
// double's range raises overflow.
double LeadingNumber(std::string_view text);

// Whether a number stands at the start of the text (where LeadingNumber reads one
// rather than giving 0 for want of one).
bool StartsWithNumber(std::string_view text);

// The whole text as a number (leading and trailing blanks allowed): the grammar of
// LeadingNumber without blanks inside the number. Empty or non-numeric text raises
// type mismatch; a value beyond a double's range raises overflow.
double TextToDouble(std::string_view text);

// TextToDouble rounded to the nearest single; overflow outside the single's range.
float TextToSingle(std::string_view text);

// TextToDouble rounded to a signed 16-bit integer (halves to even).
int16_t TextToInteger(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (1998.5 → 1998,
// 1999.5 → 2000); overflow when the result lies outside −32768..32767.
int16_t RoundToInteger(double value);

// General form: shortest text, minus sign for negatives, no leading blank, no
// leading or trailing zeros; 15 significant digits for a double, 7 for a single.
std::string NumberToText(int value);
std::string NumberToText(double value);
std::string SingleToText(float value);

// The fixed pattern "#0.0": at least one integer digit and exactly one decimal.
// An exact half (16.25) rounds away from zero.
std::string FormatFixedOneDecimal(double value);

// The tenths FormatFixedOneDecimal writes, as a signed whole number of tenths
// (16.25 → 163, −16.25 → −163), for |value| < 4e14; the text's value is this / 10.
double RoundToTenths(double value);

}  // namespace platform
