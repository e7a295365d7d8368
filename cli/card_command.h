// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "cli/command.h"

namespace cli {

// `card YEAR --longitude DEG [--zone ZONE] [--output FILE] [--format pdf|svg]
// [--lang ja|en]`: the correction card beside a dial, one A4 page. `start_gui`
// starts Qt's GUI (fonts) before the page is drawn.
Command CardCommand(std::function<void()> start_gui);

}  // namespace cli
