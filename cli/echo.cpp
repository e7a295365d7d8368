// SPDX-License-Identifier: MIT
#include "cli/echo.h"

#include <cstdio>

namespace cli {
namespace {

// Length of the well-formed UTF-8 sequence starting at `at`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned min_code = 0;
  unsigned code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min_code = 0x80, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min_code = 0x800, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min_code = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < min_code || code > 0x10FFFF || surrogate ? 0 : length;
}

std::string Escaped(unsigned char byte) {
  switch (byte) {
    case '\n': return "\\n";
    case '\t': return "\\t";
    case '\r': return "\\r";
    case '\\': return "\\\\";
    default: break;
  }
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02x", byte);
  return text;
}

}  // namespace

std::string Echo(std::string_view argument, std::size_t max_bytes) {
  std::string shown = "'";
  std::size_t at = 0;
  while (at < argument.size() && at < max_bytes) {
    const auto byte = static_cast<unsigned char>(argument[at]);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      shown += static_cast<char>(byte);
      ++at;
    } else if (const std::size_t length = byte >= 0x80 ? Utf8SequenceLength(argument, at) : 0; length > 0) {
      shown += argument.substr(at, length);
      at += length;
    } else {
      shown += Escaped(byte);
      ++at;
    }
  }
  shown += "'";
  if (at < argument.size()) shown += "... (" + std::to_string(argument.size()) + " bytes)";
  return shown;
}

}  // namespace cli
