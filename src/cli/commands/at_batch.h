// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/io/command_output.h"
#include "cli/io/row_format.h"

namespace cli {

// `at --from`: reads instants from the file at `path` ("-": standard input), one a
// line (see instant_line.h), and writes one row each to `out` in the order of the
// lines, as `at` writes the row of one instant. A line that is no instant is
// complained of by its number ("line 7: MONTH '13' is not a month 1..12") and
// skipped. Memory stays the same for any length of input; before waiting for more
// input the rows so far are flushed, so a pipe that feeds one line at a time gets
// its answers. Throws ValueError when the input cannot be opened or read.
void RunAtBatch(const std::string& path, RowFormat format, CommandOutput& out);

}  // namespace cli
