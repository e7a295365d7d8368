// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

// orvalin-cli hands the command lines of its drawing commands to a second program,
// orvalin-cli-draw, which links Qt's GUI libraries; orvalin-cli itself links QtCore
// alone, so the text commands start without loading the GUI (about a third of
// their start-up time). The user still types `orvalin-cli chart ...`.
namespace cli {

// Whether `args` (the command line without the program name) run a command that
// `commands` lists without `run`, i.e. one the drawing program carries out. Help
// and version requests are answered here, as is a line that names no command or
// an unknown one.
bool IsForDrawingProgram(const std::vector<std::string>& args, const std::vector<Command>& commands);

// The drawing program's path: ORVALIN_DRAWING_PROGRAM (relative to this program's
// own folder, as installed and as built) from the folder of /proc/self/exe.
std::string DrawingProgramPath();

// Replaces this process by the drawing program, with the same arguments and the
// standard descriptors as they were given (a closed output stays closed, so the
// drawing program sees it). Returns only if that failed, with the complaint.
std::string ExecDrawingProgram(char** argv);

}  // namespace cli
