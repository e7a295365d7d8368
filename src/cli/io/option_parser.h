// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cli/io/command.h"

// Where orvalin-cli's command line is parsed: the command named, help and version
// requests, then that command's options and operands. One pass over the arguments
// as the bytes given (a file name that is not UTF-8 or a negative year passes
// through unchanged). The rules:
//   - "--" ends the options; every argument after it is an operand.
//   - "-x", "--name" and "--name=value" are options; "-" alone and negative numbers
//     ("-500", "-.5") are operands.
//   - An option that takes a value takes "=value" or the next argument, whatever
//     that looks like ("--hour --csv" is the hour "--csv"); the last one given wins.
//   - Short options stand alone: "-H 12" or "-H=12", never "-H12" or "-cj".
//   - "-h"/"--help" and "-V"/"--version" count anywhere before "--".
// Complaints are UsageError.
namespace cli {

// What a command line asks for, before the command's own options are read.
struct CommandLineRequest {
  const Command* command = nullptr;        // the first argument before "--" that is no option
  bool help = false;                       // -h/--help before "--"
  bool version = false;                    // -V/--version before "--"
  std::vector<std::string> command_args;   // every argument but the command's name
};

// Finds the command named in `args` among `commands`. An unknown command is a
// UsageError; no command at all is not (help and version need none).
CommandLineRequest ReadCommandLine(const std::vector<std::string>& args, const std::vector<Command>& commands);

// The options and operands of `command` from its arguments (all but its name),
// with the number of operands checked against the command's limits.
ParsedCommand ParseCommandArguments(const Command& command, const std::vector<std::string>& args);

// The name part of an option argument: "--hour" of "--hour=12".
std::string OptionName(const std::string& arg);

// Throws UsageError "COMMAND needs --NAME VALUE" for the first option of `needed`
// (long name, value name) that `parsed` lacks.
void RequireOptions(const std::string& command, const ParsedCommand& parsed,
                    std::initializer_list<std::pair<const char*, const char*>> needed);

}  // namespace cli
