// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Stands, in AsciiDigits' result, for a character that is never part of a number.
inline constexpr char kForeignCharacter = '\x7f';

// Typed or pasted text (UTF-8) as the ASCII a number reader looks at, one character
// per code point. The windows' conversions and the command line both read numbers
// through it, so they accept the same characters:
//   an ASCII character                      itself
//   ０..９ (full-width digits U+FF10..U+FF19)  '0'..'9'
//   ＋ (U+FF0B)  － (U+FF0D)  ． (U+FF0E)        '+'  '-'  '.'
//   the ideographic space U+3000            ' '
//   any other character                     kForeignCharacter
//   each byte that is not well-formed UTF-8  kForeignCharacter (see DecodeUtf8)
// A Japanese input method types the full-width forms unnoticed; they count exactly
// as their ASCII twins. What each reader then accepts (signs, blanks, a point) is
// its own rule.
std::string AsciiDigits(std::string_view text);

}  // namespace platform
