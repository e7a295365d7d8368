// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cli/io/command_output.h"

namespace cli {

// Writes `bytes` as the whole file named `path` by platform::WriteWholeFile (which
// says what becomes of links, pipes, devices and our own standard output), or
// throws ValueError saying why not: "cannot write 'x.png': Permission denied".
void WriteOutputFile(const std::string& path, std::string_view bytes);

// A command's bytes to where --output says: standard output (`out`) for "-", else
// the file `path` by WriteOutputFile, after what the command has already written
// to standard output.
void DeliverOutput(const std::string& path, std::string_view bytes, CommandOutput& out);

}  // namespace cli
