// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace cli {

// An argument as a message quotes it: in single quotes, control characters (C0,
// DEL and the C1 controls U+0080..U+009F) and bytes that are not UTF-8 written
// C-style (\n, \t, \x01, \xc2\x8d, \xff), a backslash doubled, and anything past
// `max_bytes` of the text cut and marked, so that a message stays one short line
// whatever was typed.
std::string Echo(std::string_view argument, std::size_t max_bytes = 60);

}  // namespace cli
