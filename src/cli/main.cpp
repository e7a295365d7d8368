// SPDX-License-Identifier: MIT
// orvalin-cli: the equation of time at an instant, a year's daily table, the noon
// table of a dial, the chart as an image, the correction card and the noon mark.
// It links QtCore alone and creates no application object, so the text commands
// and every help start lean; the commands that draw load the drawing module when
// they draw (cli/io/drawing_module.h).
#include <string>
#include <vector>

#include "cli/commands/command_table.h"
#include "cli/io/command_line.h"
#include "cli/io/standard_output.h"

int main(int argc, char** argv) {
  cli::GuardStandardDescriptors();
  cli::IgnoreFileSizeSignal();
  return cli::RunCliOnStandardStreams(std::vector<std::string>(argv + 1, argv + argc), cli::CommandTable());
}
