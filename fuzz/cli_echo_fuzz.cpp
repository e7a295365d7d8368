// SPDX-License-Identifier: MIT
// Properties of Echo, the quoting of arguments in orvalin-cli's messages: the text
// holds no control character (C0, DEL or C1) and only well-formed UTF-8, so a
// message stays one line that a terminal shows as written; undoing the escapes
// gives back the start of the argument, and a cut is marked with its full length.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/io/echo.h"
#include "fuzz_check.h"

namespace {

// The length of the well-formed UTF-8 sequence at `at`, 0 if there is none, and
// its code point; written here from the standard's table, not the product's.
std::size_t Utf8Length(const std::string& text, std::size_t at, char32_t& code_point) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const auto lead = byte(0);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                                                        : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  code_point = length == 1 ? lead : lead & (0xFF >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code_point = code_point << 6 | (byte(i) & 0x3F);
  }
  const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code_point < shortest[length] || code_point > 0x10FFFF || (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    return 0;
  }
  return length;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte is the limit, the rest the argument.
  const std::size_t max_bytes = data[0];
  const std::string argument(reinterpret_cast<const char*>(data) + 1, size - 1);
  const fuzz::InputScope scope(argument);
  const std::string shown = cli::Echo(argument, max_bytes);

  for (std::size_t at = 0; at < shown.size();) {
    char32_t code_point = 0;
    const std::size_t length = Utf8Length(shown, at, code_point);
    FUZZ_CHECK(length > 0, "well-formed UTF-8 at byte " + std::to_string(at) + " of " + fuzz::Escaped(shown));
    FUZZ_CHECK(code_point >= 0x20 && code_point != 0x7F && !(code_point >= 0x80 && code_point <= 0x9F),
               "a control character at byte " + std::to_string(at) + " of " + fuzz::Escaped(shown));
    at += length;
  }

  // 'quoted' then, if cut, "... (N bytes)".
  FUZZ_CHECK(shown.size() >= 2 && shown[0] == '\'', fuzz::Escaped(shown));
  const std::size_t close = shown.rfind('\'');
  FUZZ_CHECK(close > 0, fuzz::Escaped(shown));
  std::string undone;
  for (std::size_t at = 1; at < close; ++at) {
    if (shown[at] != '\\') {
      undone += shown[at];
      continue;
    }
    FUZZ_CHECK(at + 1 < close, "a lone backslash in " + fuzz::Escaped(shown));
    const char kind = shown[++at];
    if (kind == 'n') undone += '\n';
    else if (kind == 't') undone += '\t';
    else if (kind == 'r') undone += '\r';
    else if (kind == '\\') undone += '\\';
    else {
      FUZZ_CHECK(kind == 'x' && at + 2 < close && HexDigit(shown[at + 1]) >= 0 && HexDigit(shown[at + 2]) >= 0,
                 "an unknown escape in " + fuzz::Escaped(shown));
      undone += static_cast<char>(HexDigit(shown[at + 1]) * 16 + HexDigit(shown[at + 2]));
      at += 2;
    }
  }
  FUZZ_CHECK(argument.compare(0, undone.size(), undone) == 0, "the escapes undone are the argument's start: " +
                                                                  fuzz::Escaped(undone));
  const std::string rest = shown.substr(close + 1);
  if (undone.size() == argument.size()) {
    FUZZ_CHECK(rest.empty(), "nothing after a whole argument: " + fuzz::Escaped(rest));
  } else {
    FUZZ_CHECK(undone.size() >= max_bytes && undone.size() <= max_bytes + 3, "cut at the limit: " +
                                                                                std::to_string(undone.size()));
    FUZZ_CHECK(rest == "... (" + std::to_string(argument.size()) + " bytes)", "the cut is marked: " + rest);
  }
  return 0;
}
