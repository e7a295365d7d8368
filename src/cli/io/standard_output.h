// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace cli {

// Makes sure descriptors 0, 1 and 2 are open before anything else opens a file, so
// that no file of ours takes the number of a closed standard stream. A closed
// standard output is taken by /dev/null opened read-only, a closed standard input
// by /dev/null opened write-only: writing or reading then fails (EBADF) and is
// reported, as it would be had the stream stayed closed.
void GuardStandardDescriptors();

// What errno `error` means, in English whatever the locale.
std::string ErrnoText(int error);

// A write past the file-size limit (ulimit -f) then fails with EFBIG, which is
// reported and cleaned up, instead of killing the process by SIGXFSZ half-way
// through a file. The setting is inherited by programs this one executes.
void IgnoreFileSizeSignal();

// Writes all of `bytes` to standard output. Returns true when written, else false
// with errno set. (A reader that closed the pipe early ends the process by SIGPIPE
// before this returns, unless SIGPIPE is ignored: then errno is EPIPE.)
bool WriteStandardOutput(std::string_view bytes);

// The line that reports a failed write to standard output with that errno, or
// nothing for EPIPE: a reader that closed the pipe early wanted no more.
std::string WriteErrorMessage(int error);

// Writes `out` to standard output and `err` to standard error, as a command's
// output is flushed while it runs. Throws WriteError when standard output fails;
// a failure of standard error has nowhere to be reported.
void WriteStandardStreams(std::string_view out, std::string_view err);

}  // namespace cli
