// SPDX-License-Identifier: MIT
// Properties of orvalin-cli's argument parser on any argument vector (the input
// split at NUL bytes): it never accepts an option the command lacks, gives a switch
// no value, keeps every operand as given and in order within the command's limits,
// sees help and version wherever they stand before "--", and refuses only by one
// UsageError whose message is a line without control characters.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/io/errors.h"
#include "cli/io/option_parser.h"
#include "fuzz_check.h"

namespace {

// Commands shaped as orvalin-cli's are: switches, options with values, short
// names, and operand limits from none to any number.
const std::vector<cli::Command>& Commands() {
  static const std::vector<cli::Command> commands = [] {
    cli::Command at;
    at.name = "at";
    at.options = {{"from", "", "FILE", ""}, {"csv", "c", "", ""}, {"json", "j", "", ""}};
    at.max_operands = 4;
    cli::Command table;
    table.name = "table";
    table.options = {{"hour", "H", "H", ""}, {"csv", "c", "", ""}};
    table.min_operands = 1;
    table.max_operands = 1;
    cli::Command chart;
    chart.name = "chart";
    chart.options = {{"output", "o", "FILE", ""}, {"rate", "r", "", ""}, {"legend", "", "", ""}};
    chart.min_operands = 1;
    chart.max_operands = SIZE_MAX;
    return std::vector<cli::Command>{at, table, chart};
  }();
  return commands;
}

void CheckMessage(const std::string& message) {
  FUZZ_CHECK(!message.empty(), "a refusal says why");
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    FUZZ_CHECK(byte >= 0x20 && byte != 0x7F, "no control byte in " + fuzz::Escaped(message));
  }
}

bool IsOptionLike(const std::string& arg) {
  return arg.size() >= 2 && arg[0] == '-' && !((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(input);
  std::vector<std::string> args;
  for (std::size_t start = 0; start <= input.size();) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  if (input.empty()) args.clear();

  cli::CommandLineRequest request;
  try {
    request = cli::ReadCommandLine(args, Commands());
  } catch (const cli::UsageError& error) {
    CheckMessage(error.message);
    return 0;
  }
  const auto options_end = std::find(args.begin(), args.end(), std::string("--"));
  const auto named = [&](const char* short_name, const char* long_name) {
    return std::any_of(args.begin(), options_end, [&](const std::string& arg) {
      const std::string name = arg.substr(0, arg.find('='));
      return name == short_name || name == long_name;
    });
  };
  FUZZ_CHECK(request.help == named("-h", "--help"), "help wherever it stands before --");
  FUZZ_CHECK(request.version == named("-V", "--version"), "version wherever it stands before --");
  if (!request.command) return 0;

  const cli::Command& command = *request.command;
  FUZZ_CHECK(request.command_args.size() + 1 == args.size(), "every argument but the command's name is its own");
  cli::ParsedCommand parsed;
  try {
    parsed = cli::ParseCommandArguments(command, request.command_args);
  } catch (const cli::UsageError& error) {
    CheckMessage(error.message);
    return 0;
  }
  for (const auto& entry : parsed.values) {
    const std::string& name = entry.first;
    const std::string& value = entry.second;
    const auto option = std::find_if(command.options.begin(), command.options.end(),
                                     [&](const cli::OptionSpec& known) { return known.long_name == name; });
    FUZZ_CHECK(option != command.options.end(), "only an option the command has: " + fuzz::Escaped(name));
    FUZZ_CHECK(!option->value_name.empty() || value.empty(), "a switch has no value: " + fuzz::Escaped(name));
  }
  FUZZ_CHECK(parsed.operands.size() >= command.min_operands && parsed.operands.size() <= command.max_operands,
             "operands within the command's limits");
  // The operands are arguments as given, in their order; without "--" none is an option.
  auto from = request.command_args.begin();
  const bool has_end = std::find(from, request.command_args.end(), std::string("--")) != request.command_args.end();
  for (const std::string& operand : parsed.operands) {
    from = std::find(from, request.command_args.end(), operand);
    FUZZ_CHECK(from != request.command_args.end(), "an operand that was no argument: " + fuzz::Escaped(operand));
    FUZZ_CHECK(has_end || !IsOptionLike(operand), "an option taken as an operand: " + fuzz::Escaped(operand));
    ++from;
  }
  return 0;
}
