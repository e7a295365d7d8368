// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "cli/io/at_row.h"

namespace cli {

// A line longer than this is no instant (a comment or blanks may be longer).
inline constexpr std::size_t kMaxInstantLineBytes = 4096;

// The ISO 8601 form of an instant, as `at` takes it in one operand and on a line:
// YYYY-MM-DD[THH:MM[:SS][Z]], at least four year digits and a minus before year 0,
// the time Universal Time; Z, when written, follows a time. Digits may be full
// width, as in the other operands. Throws ValueError saying what is wrong.
Instant ReadIsoInstant(std::string_view text);

// Reads one line of `at --from` (without its "\n"; a "\r" before it is ignored):
//   YEAR MONTH DAY [HOUR]          the operands of `at`, separated by blanks (spaces,
//                                  tabs, ideographic spaces), read as `at` reads them
//   YYYY-MM-DD[THH:MM[:SS][Z]]     as ReadIsoInstant reads it
// Returns no instant for a blank line or one whose first non-blank is '#'. Throws
// ValueError for any other line, saying what is wrong with it.
std::optional<Instant> ReadInstantLine(std::string_view line);

// ReadInstantLine of the line at `at`, which ends at the first "\n" before `end`
// (there must be one); `next` is set past that "\n", before anything is thrown.
// The common lines are read in one pass, without first looking for their end.
std::optional<Instant> ReadInstantLine(const char* at, const char* end, const char*& next);

}  // namespace cli
