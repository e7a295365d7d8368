// SPDX-License-Identifier: MIT
#pragma once

#include "cli/io/drawing_module.h"

// The drawings of the command line made with Qt's GUI libraries, on the offscreen
// platform: no display is needed. The drawing module (orvalin-draw.so) exports it;
// tests link it directly.
namespace cli {

// The one drawing; the first call starts a QGuiApplication (the fonts) unless one
// exists.
Drawing& QtDrawing();

}  // namespace cli
