// SPDX-License-Identifier: MIT
#include "cli/io/command_line.h"

#include <unistd.h>

#include <cerrno>

#include "cli/io/echo.h"
#include "cli/io/option_parser.h"
#include "cli/io/standard_output.h"
#include "platform/core/runtime_error.h"
#include "platform/core/version.h"

namespace cli {
namespace {

// Copied out of the binary's read-only data, not built inline: GCC writes this
// text as overlapping 8-byte immediates, which lintian's spelling check reads as
// "neeeded". The volatile pointer keeps the compiler from seeing the text.
std::string NoCommandMessage() {
  static const char* volatile text = "a command is needed; see --help";
  return text;
}

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
  return "orvalin-cli " + std::to_string(platform::kVersionMajor) + "." + std::to_string(platform::kVersionMinor) +
         "." + std::to_string(platform::kVersionRevision) + "\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::vector<Command>& commands, std::string& out,
           std::string& err, const CommandOutput::Flush& flush) {
  try {
    const CommandLineRequest request = ReadCommandLine(args, commands);
    if (request.help) {
      out += request.command ? CommandHelp(*request.command) : MainHelp(commands);
      return kOk;
    }
    if (request.version) {
      out += VersionText();
      return kOk;
    }
    const Command* command = request.command;
    if (!command) {
      if (!args.empty() && args.front() != "--") {
        throw UsageError{"unknown option " + Echo(OptionName(args.front())) + "; see --help"};
      }
      throw UsageError{NoCommandMessage()};
    }
    const ParsedCommand parsed = ParseCommandArguments(*command, request.command_args);
    CommandOutput command_out(flush);
    command->run(parsed, command_out);
    out += command_out.TakeOut();
    err += command_out.TakeErr();
    return command_out.complained() ? kValueError : kOk;
  } catch (const UsageError& error) {
    err += "orvalin-cli: " + error.message + "\n";
    return kUsageError;
  } catch (const ValueError& error) {
    err += "orvalin-cli: " + error.message + "\n";
    return kValueError;
  } catch (const WriteError& error) {
    err += WriteErrorMessage(error.number);
    return kValueError;
  } catch (const platform::RuntimeError& error) {
    err += "orvalin-cli: " + error.description() + "\n";
    return kValueError;
  }
}

int RunCliOnStandardStreams(const std::vector<std::string>& args, const std::vector<Command>& commands) {
  std::string out;
  std::string err;
  int status = RunCli(args, commands, out, err, WriteStandardStreams);
  if (!WriteStandardOutput(out)) {
    err += WriteErrorMessage(errno);
    status = kValueError;
  }
  if (!err.empty()) {
    [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, err.data(), err.size());
  }
  return status;
}

}  // namespace cli
