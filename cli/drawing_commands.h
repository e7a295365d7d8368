// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

// The commands that draw (chart, card, noonmark) as orvalin-cli's help knows them:
// name, synopsis, help and options, and no `run`. orvalin-cli answers their help
// itself and hands their command lines to the drawing program (drawing_program.h),
// which adds the `run` that draws (chart_command.h, card_command.h,
// noonmark_command.h). So the text commands start without loading Qt's GUI
// libraries, and the drawing commands' help, options and messages are the same
// whichever program reads them.
namespace cli {

// `chart YEAR... [--rate] [--legend] --output FILE|- [--format png|svg|pdf]`.
Command ChartCommandDescription();

// `card YEAR --longitude DEG [--zone ZONE] [--output FILE] [--format pdf|svg]
// [--lang ja|en]`.
Command CardCommandDescription();

// `noonmark --latitude DEG --longitude DEG [--zone ZONE] --height MM ...`.
Command NoonMarkCommandDescription();

}  // namespace cli
