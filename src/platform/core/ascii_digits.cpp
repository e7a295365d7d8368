// SPDX-License-Identifier: MIT
#include "platform/core/ascii_digits.h"

#include "platform/core/utf8.h"

namespace platform {
namespace {

char AsciiTwin(char32_t code_point) {
  if (code_point < 0x80) return static_cast<char>(code_point);
  if (code_point >= U'０' && code_point <= U'９') return static_cast<char>('0' + (code_point - U'０'));
  switch (code_point) {
    case U'＋': return '+';
    case U'－': return '-';
    case U'．': return '.';
    case U'\u3000': return ' ';  // ideographic space
    default: return kForeignCharacter;
  }
}

}  // namespace

std::string AsciiDigits(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const Utf8Sequence sequence = DecodeUtf8(text, at);
    if (sequence.length == 0) {
      ascii += kForeignCharacter;
      ++at;
    } else {
      ascii += AsciiTwin(sequence.code_point);
      at += sequence.length;
    }
  }
  return ascii;
}

}  // namespace platform
