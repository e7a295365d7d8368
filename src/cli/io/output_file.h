// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cli/io/command_output.h"

namespace cli {

// Writes `bytes` to the file named `path` (bytes as given, not necessarily UTF-8),
// or throws ValueError saying why not. A symbolic link is followed and what it
// names is written, the link staying a link.
//  - A name of one of our own descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N)
//    is written through that descriptor at its offset (at the end when it was
//    opened to append), never replaced; one that is closed or open only for
//    reading is refused (EBADF).
//  - A regular file the caller may not write is refused, as `cp` refuses it.
//  - A regular file (or a name not yet taken) is replaced atomically: the bytes go
//    to a new file in the same folder, which takes the old file's mode and owner,
//    is synced and renamed over it. On any failure the new file is removed and the
//    old one is untouched.
//  - A FIFO or character device (/dev/stdout, a named pipe) is written into as it
//    is, never removed or renamed.
//  - Anything else (a folder, a socket, a block device) is refused.
void WriteOutputFile(const std::string& path, std::string_view bytes);

// A drawing command's bytes to where --output says: standard output (`out`) for
// "-", else the file `path` by WriteOutputFile.
void DeliverOutput(const std::string& path, std::string_view bytes, CommandOutput& out);

}  // namespace cli
