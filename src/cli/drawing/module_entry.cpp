// SPDX-License-Identifier: MIT
// The entry point of the drawing module, orvalin-draw.so, which orvalin-cli loads
// when a command first draws (cli/io/drawing_module.h).
#include "cli/drawing/qt_drawing.h"

extern "C" __attribute__((visibility("default"))) cli::Drawing* orvalin_drawing() { return &cli::QtDrawing(); }
