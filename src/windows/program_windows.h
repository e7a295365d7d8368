// SPDX-License-Identifier: MIT
#pragma once

#include "windows/frm1kin.h"
#include "windows/frm4kin.h"
#include "windows/frm2kin.h"
#include "windows/session.h"

namespace windows {

// The program's three windows and the session they share. main() has one; each
// window test makes its own, starting from a fresh session. (The command line and
// the benchmarks draw from the chart model and never make windows.)
struct ProgramWindows {
  ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  windows::Session session;
  Frm1kin year_entry{session};
  windows::Frm2kin chart{session};
  windows::Frm4kin detail_window{session};
};

}  // namespace windows
