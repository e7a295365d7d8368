// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

namespace cli {

// `at YEAR MONTH DAY [HOUR] [--json]`: the value at one instant.
Command AtCommand();

// `table YEAR [--hour H] [--csv|--json]`: one row per day of the year.
Command TableCommand();

// `noon YEAR --longitude DEG [--zone ZONE] [--csv|--json]`: solar noon by the clock.
Command NoonCommand();

// `zones`: the time-zone names --zone accepts.
Command ZonesCommand();

}  // namespace cli
