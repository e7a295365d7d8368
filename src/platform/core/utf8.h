// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// One UTF-8 sequence read from a text.
struct Utf8Sequence {
  char32_t code_point;  // U+0000..U+10FFFF, no surrogates; 0 when malformed
  std::size_t length;   // bytes, 1..4; 0 when the bytes at that place are not UTF-8
};

// Decodes the sequence starting at byte `at` (< text.size()). Only well-formed
// UTF-8 is a sequence: no overlong forms, no surrogates, nothing above U+10FFFF,
// no sequence cut short by the end of the text. The program's one UTF-8 decoder.
Utf8Sequence DecodeUtf8(std::string_view text, std::size_t at);

}  // namespace platform
