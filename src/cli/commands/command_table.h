// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "cli/io/command.h"

// The commands of orvalin-cli. Each is one file of this folder, named after it,
// that holds its help, its options and its run; the table in command_table.cpp
// names them all, in the order of the main help.
namespace cli {

// Every command, in the order of the main help.
const std::vector<Command>& CommandTable();

// `at YEAR MONTH DAY [HOUR] | --from FILE`: the value at one instant, or at many.
Command AtCommand();
// `table YEAR [--hour H] [--csv|--json]`: one row per day of the year.
Command TableCommand();
// `noon YEAR --longitude DEG [--zone ZONE] [--csv|--json]`: solar noon by the clock.
Command NoonCommand();
// `zones`: the time-zone names --zone accepts.
Command ZonesCommand();
// `chart YEAR... --output FILE|-`: the graph window's chart as an image.
Command ChartCommand();
// `card YEAR --longitude DEG`: the correction card beside a dial, one A4 page.
Command CardCommand();
// `noonmark --latitude DEG --longitude DEG --height MM`: the noon mark at true size.
Command NoonMarkCommand();
// `dial --latitude DEG [--tilt DEG] [--facing AZ]`: a flat sundial's lines and gnomon.
Command DialCommand();
// `facing --latitude DEG --longitude DEG --at TIME --shadow-angle DEG`: a wall's facing.
Command FacingCommand();
// `analemmatic --latitude DEG --longitude DEG --size M`: the dial a person stands on.
Command AnalemmaticCommand();

}  // namespace cli
