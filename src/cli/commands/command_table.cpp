// SPDX-License-Identifier: MIT
#include "cli/commands/command_table.h"

namespace cli {

const std::vector<Command>& CommandTable() {
  static const std::vector<Command> commands = {
      AtCommand(),   TableCommand(),    NoonCommand(),   ZonesCommand(),      ChartCommand(),
      CardCommand(), NoonMarkCommand(), FacingCommand(), AnalemmaticCommand(), DialCommand()};
  return commands;
}

}  // namespace cli
