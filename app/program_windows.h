// SPDX-License-Identifier: MIT
#pragma once

#include "app/frm1kin.h"
#include "detail/frm4kin.h"
#include "graph/frm2kin.h"
#include "session/session.h"

namespace app {

// The program's three windows and the session they share. main() has one; the
// command-line chart, the benchmarks and the tests make their own, each starting
// from a fresh session.
struct ProgramWindows {
  ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  session::Session session;
  Frm1kin year_entry{session};
  graph::Frm2kin chart{session};
  detail::Frm4kin detail_window{session};
};

}  // namespace app
