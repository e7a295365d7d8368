// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

namespace cli {

// `at YEAR MONTH DAY [HOUR] [--json]`: the value at one instant.
Command AtCommand();

// `table YEAR [--hour H] [--csv|--json]`: one row per day of the year.
Command TableCommand();

}  // namespace cli
