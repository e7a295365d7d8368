// SPDX-License-Identifier: MIT
#include "app/program_windows.h"

#include "app/forms.h"

namespace app {

ProgramWindows::ProgramWindows() {
  frm1kin = &year_entry;
  frm2kin = &chart;
  frm4kin = &detail_window;
}

ProgramWindows::~ProgramWindows() { frm1kin = frm2kin = frm4kin = nullptr; }

}  // namespace app
