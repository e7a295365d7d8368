// SPDX-License-Identifier: MIT
#include "app/program_windows.h"

namespace app {

ProgramWindows::ProgramWindows() { session.SetForms(year_entry, chart, detail_window); }

}  // namespace app
