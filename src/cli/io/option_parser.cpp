// SPDX-License-Identifier: MIT
#include "cli/io/option_parser.h"

#include <algorithm>

#include "cli/io/echo.h"
#include "cli/io/errors.h"

namespace cli {
namespace {

bool IsHelp(const std::string& name) { return name == "-h" || name == "--help"; }
bool IsVersion(const std::string& name) { return name == "-V" || name == "--version"; }

// "-x", "--name" or "--name=value"; "-" alone and negative numbers are operands.
bool IsOptionLike(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return false;
  const char second = arg[1];
  return !((second >= '0' && second <= '9') || second == '.');
}

const OptionSpec* FindOption(const Command& command, const std::string& name) {
  for (const OptionSpec& option : command.options) {
    if (name == "--" + option.long_name || (!option.short_name.empty() && name == "-" + option.short_name)) {
      return &option;
    }
  }
  return nullptr;
}

}  // namespace

std::string OptionName(const std::string& arg) { return arg.substr(0, arg.find('=')); }

CommandLineRequest ReadCommandLine(const std::vector<std::string>& args, const std::vector<Command>& commands) {
  CommandLineRequest request;
  const auto options_end = std::find(args.begin(), args.end(), std::string("--"));
  const auto word = std::find_if(args.begin(), options_end, [](const std::string& arg) { return !IsOptionLike(arg); });
  for (auto arg = args.begin(); arg != options_end; ++arg) {
    request.help = request.help || IsHelp(OptionName(*arg));
    request.version = request.version || IsVersion(OptionName(*arg));
  }
  if (word == options_end) {
    request.command_args = args;
    return request;
  }
  const auto found = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == *word; });
  if (found == commands.end()) throw UsageError{"unknown command " + Echo(*word) + "; see --help"};
  request.command = &*found;
  request.command_args.assign(args.begin(), word);
  request.command_args.insert(request.command_args.end(), word + 1, args.end());
  return request;
}

ParsedCommand ParseCommandArguments(const Command& command, const std::vector<std::string>& args) {
  ParsedCommand parsed;
  bool options_ended = false;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (options_ended || !IsOptionLike(*arg)) {
      parsed.operands.push_back(*arg);
      continue;
    }
    if (*arg == "--") {
      options_ended = true;
      continue;
    }
    const std::string name = OptionName(*arg);
    const OptionSpec* option = FindOption(command, name);
    if (!option) throw UsageError{command.name + ": unknown option " + Echo(name) + "; see " + command.name + " --help"};
    const bool takes_value = !option->value_name.empty();
    const bool value_attached = name.size() < arg->size();
    if (value_attached && !takes_value) throw UsageError{command.name + ": option " + Echo(name) + " takes no value"};
    std::string value;
    if (value_attached) {
      value = arg->substr(name.size() + 1);
    } else if (takes_value) {
      if (arg + 1 == args.end()) throw UsageError{command.name + ": Missing value after '--" + option->long_name + "'"};
      value = *++arg;
    }
    parsed.values[option->long_name] = value;
  }
  if (parsed.operands.size() < command.min_operands) {
    throw UsageError{command.name + " needs " + command.operands_usage};
  }
  if (parsed.operands.size() > command.max_operands) {
    throw UsageError{command.name + " takes " + command.operands_usage + ", not also " +
                     Echo(parsed.operands[command.max_operands])};
  }
  return parsed;
}

void RequireOptions(const std::string& command, const ParsedCommand& parsed,
                    std::initializer_list<std::pair<const char*, const char*>> needed) {
  for (const auto& [name, value] : needed) {
    if (!parsed.Has(name)) throw UsageError{command + " needs --" + name + " " + value};
  }
}

}  // namespace cli
