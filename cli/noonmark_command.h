// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "cli/command.h"

namespace cli {

// `noonmark --latitude DEG --longitude DEG [--zone ZONE] --height MM
// [--surface floor|wall] [--time HH:MM] [--year YEAR] [--no-refraction]
// [--output FILE] [--format svg|pdf|csv] [--paper a4|a3|letter] [--lang ja|en]`:
// the figure the shadow of a nodus traces at one clock time through a year, as CSV
// or at true size on paper. `start_gui` starts Qt's GUI (fonts) before a page is
// drawn; CSV needs none.
Command NoonMarkCommand(std::function<void()> start_gui);

}  // namespace cli
