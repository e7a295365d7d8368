// SPDX-License-Identifier: MIT
#pragma once

#include "app/frm1kin.h"
#include "detail/frm4kin.h"
#include "graph/frm2kin.h"

namespace app {

// The program's three window objects, registered as the program-wide references
// frm1kin, frm2kin and frm4kin for as long as this object lives. main() has one;
// the command-line chart, the benchmarks and the tests make their own.
struct ProgramWindows {
  ProgramWindows();
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  Frm1kin year_entry;
  graph::Frm2kin chart;
  detail::Frm4kin detail_window;
};

}  // namespace app
