// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "cli/echo.h"
#include "platform/core/runtime_error.h"
#include "platform/core/version.h"

namespace cli {
namespace {

bool IsHelp(const std::string& name) { return name == "-h" || name == "--help"; }
bool IsVersion(const std::string& name) { return name == "-V" || name == "--version"; }

// "-x", "--name" or "--name=value"; "-" alone and negative numbers ("-500",
// "-.5") are operands.
bool IsOptionLike(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return false;
  const char second = arg[1];
  return !((second >= '0' && second <= '9') || second == '.');
}

std::string OptionName(const std::string& arg) { return arg.substr(0, arg.find('=')); }

std::string Synopsis(const Command& command) { return "orvalin-cli " + command.name + " " + command.synopsis; }

std::string MainHelp(const std::vector<Command>& commands) {
  std::string help =
      "Usage: orvalin-cli COMMAND [ARGUMENT|OPTION]...\n"
      "The equation of time (apparent minus mean solar time) from the command line.\n"
      "\nCommands:\n";
  for (const Command& command : commands) {
    help += "  " + command.name + " " + command.synopsis + "\n      " + command.summary + "\n";
  }
  help +=
      "\nOptions:\n"
      "  -h, --help      this text; COMMAND --help for one command\n"
      "  -V, --version   the version\n"
      "\n"
      "Years before the common era are negative (-500); \"--\" ends the options.\n"
      "Exit status: 0 done, 1 a value could not be used or an output could not be\n"
      "written, 2 the command line was not understood.\n";
  return help;
}

std::string CommandHelp(const Command& command) {
  std::string help = "Usage: " + Synopsis(command) + "\n" + command.help + "\nOptions:\n";
  auto line = [&help](const std::string& names, const std::string& description) {
    help += "  " + names + std::string(names.size() < 20 ? 20 - names.size() : 1, ' ') + description + "\n";
  };
  for (const OptionSpec& option : command.options) {
    std::string names = option.short_name.empty() ? "    " : "-" + option.short_name + ", ";
    names += "--" + option.long_name + (option.value_name.empty() ? "" : " " + option.value_name);
    line(names, option.description);
  }
  line("-h, --help", "this text");
  return help;
}

std::string VersionText() {
  return std::to_string(platform::kVersionMajor) + "." + std::to_string(platform::kVersionMinor) + "." +
         std::to_string(platform::kVersionRevision) + "\n";
}

const OptionSpec* FindOption(const Command& command, const std::string& name) {
  for (const OptionSpec& option : command.options) {
    if (name == "--" + option.long_name || (!option.short_name.empty() && name == "-" + option.short_name)) {
      return &option;
    }
  }
  return nullptr;
}

// Parses the arguments of `command` (all but the command's name) with
// QCommandLineParser. The parser sees only option names and placeholders: every
// operand and option value is kept aside as the bytes given, so a file name that
// is not UTF-8 or a negative year passes through unchanged.
ParsedCommand ParseCommand(const Command& command, const std::vector<std::string>& args) {
  std::vector<std::string> kept;
  auto placeholder = [&kept](const std::string& text) {
    kept.push_back(text);
    return QStringLiteral("\x01") + QString::number(kept.size() - 1);
  };
  auto original = [&kept](const QString& token) {
    bool number = false;
    const qulonglong index = token.mid(1).toULongLong(&number);
    if (!token.startsWith(QChar(1)) || !number || index >= kept.size()) {
      throw UsageError{"the command line could not be read"};
    }
    return kept[index];
  };

  QStringList tokens{QStringLiteral("orvalin-cli")};
  bool options_ended = false;
  bool value_follows = false;  // the argument after "--output" is its value, whatever it looks like
  for (const std::string& arg : args) {
    if (value_follows) {
      tokens << placeholder(arg);
      value_follows = false;
    } else if (!options_ended && arg == "--") {
      options_ended = true;
    } else if (!options_ended && IsOptionLike(arg)) {
      const std::string name = OptionName(arg);
      const OptionSpec* option = FindOption(command, name);
      if (!option) throw UsageError{command.name + ": unknown option " + Echo(name) + "; see " + command.name + " --help"};
      const bool has_value = name.size() < arg.size();
      if (has_value && option->value_name.empty()) {
        throw UsageError{command.name + ": option " + Echo(name) + " takes no value"};
      }
      tokens << QString::fromStdString("--" + option->long_name);
      if (has_value) tokens << placeholder(arg.substr(name.size() + 1));
      value_follows = !has_value && !option->value_name.empty();
    } else {
      tokens << placeholder(arg);
    }
  }

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const OptionSpec& option : command.options) {
    parser.addOption(QCommandLineOption(QString::fromStdString(option.long_name), QString(),
                                        QString::fromStdString(option.value_name)));
  }
  if (!parser.parse(tokens)) {
    std::string message = parser.errorText().toStdString();
    if (!message.empty() && message.back() == '.') message.pop_back();
    throw UsageError{command.name + ": " + message};
  }

  ParsedCommand parsed;
  for (const QString& token : parser.positionalArguments()) parsed.operands.push_back(original(token));
  for (const OptionSpec& option : command.options) {
    const QString name = QString::fromStdString(option.long_name);
    if (!parser.isSet(name)) continue;
    parsed.values[option.long_name] = option.value_name.empty() ? std::string() : original(parser.value(name));
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

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::vector<Command>& commands, std::string& out,
           std::string& err) {
  try {
    const auto options_end = std::find(args.begin(), args.end(), std::string("--"));
    const auto word = std::find_if(args.begin(), options_end, [](const std::string& arg) { return !IsOptionLike(arg); });
    const bool help = std::any_of(args.begin(), options_end, [](const std::string& a) { return IsHelp(OptionName(a)); });
    const bool version =
        std::any_of(args.begin(), options_end, [](const std::string& a) { return IsVersion(OptionName(a)); });

    const Command* command = nullptr;
    if (word != options_end) {
      const auto found = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == *word; });
      if (found == commands.end()) {
        throw UsageError{"unknown command " + Echo(*word) + "; see --help"};
      }
      command = &*found;
    }
    if (help) {
      out += command ? CommandHelp(*command) : MainHelp(commands);
      return kOk;
    }
    if (version) {
      out += VersionText();
      return kOk;
    }
    if (!command) {
      if (args.begin() != options_end) throw UsageError{"unknown option " + Echo(OptionName(args.front())) + "; see --help"};
      throw UsageError{"a command is needed; see --help"};
    }

    std::vector<std::string> command_args(args.begin(), word);
    command_args.insert(command_args.end(), word + 1, args.end());
    const ParsedCommand parsed = ParseCommand(*command, command_args);
    std::string command_out;
    command->run(parsed, command_out);
    out += command_out;
    return kOk;
  } catch (const UsageError& error) {
    err += "orvalin-cli: " + error.message + "\n";
    return kUsageError;
  } catch (const ValueError& error) {
    err += "orvalin-cli: " + error.message + "\n";
    return kValueError;
  } catch (const platform::RuntimeError& error) {
    err += "orvalin-cli: " + error.description() + "\n";
    return kValueError;
  }
}

}  // namespace cli
