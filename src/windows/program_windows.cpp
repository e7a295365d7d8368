// SPDX-License-Identifier: MIT
#include "windows/program_windows.h"

namespace windows {

ProgramWindows::ProgramWindows() { session.SetForms(year_entry, chart, detail_window); }

}  // namespace windows
