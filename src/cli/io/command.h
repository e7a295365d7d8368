// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cli/io/command_output.h"

namespace cli {

// One option of a command: "--hour H" and perhaps "-H".
struct OptionSpec {
  std::string long_name;    // "hour" for --hour
  std::string short_name;   // "o" for -o, or empty
  std::string value_name;   // "H" if the option takes a value, empty for a switch
  std::string description;  // one line for the help
};

// A command line as parsed for one command: its operands and options, every text
// exactly the bytes that were given.
struct ParsedCommand {
  std::vector<std::string> operands;
  std::map<std::string, std::string> values;  // by long name; a switch maps to ""

  bool Has(const std::string& long_name) const { return values.count(long_name) > 0; }
  const std::string& Value(const std::string& long_name) const { return values.at(long_name); }
};

// One command of orvalin-cli. A command is one file of cli/commands/ with a
// function that returns it (help, options and run; see commands/at.cpp), named in
// the table of commands/command_table.cpp; the parser, the help, the messages and
// the checked output are shared. A command that writes a file hands its bytes to
// DeliverOutput (cli/io/output_file.h). One that draws reads and checks all of its
// values first, then asks LoadedDrawing() (cli/io/drawing_module.h) for the bytes.
struct Command {
  std::string name;       // "at"
  std::string synopsis;   // "YEAR MONTH DAY [HOUR] [--json]": the main help's line
  std::string summary;    // "the value at one instant"
  std::string help;       // what `orvalin-cli NAME --help` says between usage and options
  std::vector<OptionSpec> options;
  std::size_t min_operands = 0;
  std::size_t max_operands = 0;  // SIZE_MAX: any number
  std::string operands_usage;    // named in a complaint about their number: "YEAR MONTH DAY [HOUR]"
  // Appends to `out` (and complains through it about input it skips); throws
  // UsageError or ValueError. Every command has one.
  std::function<void(const ParsedCommand&, CommandOutput& out)> run;
};

}  // namespace cli
