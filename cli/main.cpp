// SPDX-License-Identifier: MIT
// orvalin-cli: the equation of time at an instant, a year's daily table, the noon
// table of a dial, the chart as an image, the correction card and the noon mark.
// This program links QtCore alone and never creates an application object, so the
// text commands start lean; it answers every command's help, and hands the drawing
// commands' command lines to orvalin-cli-draw (cli/drawing_program.h).
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/drawing_commands.h"
#include "cli/drawing_program.h"
#include "cli/errors.h"
#include "cli/standard_output.h"
#include "cli/text_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::vector<cli::Command> commands = {cli::AtCommand(),    cli::TableCommand(),
                                              cli::NoonCommand(),  cli::ZonesCommand(),
                                              cli::ChartCommandDescription(), cli::CardCommandDescription(),
                                              cli::NoonMarkCommandDescription()};
  // Handed over before the descriptors are guarded, so that the drawing program
  // sees a closed standard output as closed.
  if (cli::IsForDrawingProgram(args, commands)) {
    const std::string complaint = cli::ExecDrawingProgram(argv);
    [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, complaint.data(), complaint.size());
    return cli::kValueError;
  }
  cli::GuardStandardDescriptors();
  cli::IgnoreFileSizeSignal();
  return cli::RunCliOnStandardStreams(args, commands);
}
