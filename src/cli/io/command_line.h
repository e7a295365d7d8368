// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "cli/io/command.h"
#include "cli/io/errors.h"

// orvalin-cli: the equation of time from the command line, computed by the same
// engine as the windows.
namespace cli {

// Runs one command line (without the program name) against `commands`: appends
// what goes to standard output to `out` and complaints, if any, to `err`; returns
// the exit status. With `flush`, a command's output is handed to it as it is made
// and only the rest is appended (see CommandOutput). The line is read by
// option_parser.h: options wherever they stand until "--"; "-h"/"--help" anywhere
// before it prints the help of the command named (or the main help),
// "-V"/"--version" the program's name and version. A negative number ("-500") is
// an operand, not an option.
int RunCli(const std::vector<std::string>& args, const std::vector<Command>& commands, std::string& out,
           std::string& err, const CommandOutput::Flush& flush = {});

// RunCli with its output written to standard output and its complaint to standard
// error; a failed write of the output is a complaint and status 1 (but not a
// reader that closed the pipe early: it wanted no more). Returns the exit status.
int RunCliOnStandardStreams(const std::vector<std::string>& args, const std::vector<Command>& commands);

}  // namespace cli
