// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "cli/io/at_row.h"

namespace cli {

// A line longer than this is no instant (a comment or blanks may be longer).
inline constexpr std::size_t kMaxInstantLineBytes = 4096;

// Reads one line of `at --from` (without its "\n"; a "\r" before it is ignored):
//   YEAR MONTH DAY [HOUR]          the operands of `at`, separated by blanks (spaces,
//                                  tabs, ideographic spaces), read as `at` reads them
//   YYYY-MM-DD[THH:MM[:SS]][Z]     ISO 8601, at least four year digits, a minus
//                                  before year 0; the time is Universal Time
// Returns no instant for a blank line or one whose first non-blank is '#'. Throws
// ValueError for any other line, saying what is wrong with it.
std::optional<Instant> ReadInstantLine(std::string_view line);

}  // namespace cli
