// SPDX-License-Identifier: MIT
#include "cli/drawing_program.h"

#include <unistd.h>

#include <cerrno>

#include "cli/echo.h"
#include "cli/errors.h"
#include "cli/option_parser.h"
#include "cli/standard_output.h"

namespace cli {

bool IsForDrawingProgram(const std::vector<std::string>& args, const std::vector<Command>& commands) {
  try {
    const CommandLineRequest request = ReadCommandLine(args, commands);
    return request.command && !request.command->run && !request.help && !request.version;
  } catch (const UsageError&) {
    return false;  // RunCli says what is wrong
  }
}

std::string DrawingProgramPath() {
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= self.size()) return ORVALIN_DRAWING_PROGRAM;
  self.resize(static_cast<std::size_t>(length));
  return self.substr(0, self.rfind('/') + 1) + ORVALIN_DRAWING_PROGRAM;
}

std::string ExecDrawingProgram(char** argv) {
  const std::string path = DrawingProgramPath();
  argv[0] = const_cast<char*>(path.c_str());
  execv(path.c_str(), argv);
  return "orvalin-cli: cannot start the drawing program " + Echo(path) + ": " + ErrnoText(errno) + "\n";
}

}  // namespace cli
