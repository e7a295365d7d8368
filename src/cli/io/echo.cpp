// SPDX-License-Identifier: MIT
#include "cli/io/echo.h"

#include <cstdio>

#include "platform/core/utf8.h"

namespace cli {
namespace {

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
    } else if (const platform::Utf8Sequence sequence = byte >= 0x80 ? platform::DecodeUtf8(argument, at)
                                                                       : platform::Utf8Sequence{0, 0};
               sequence.length > 0 && !(sequence.code_point >= 0x80 && sequence.code_point <= 0x9F)) {
      // Well-formed UTF-8 as it is, but the C1 controls (U+0080..U+009F): a
      // terminal may act on them (U+008D moves the cursor up a line).
      shown += argument.substr(at, sequence.length);
      at += sequence.length;
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
