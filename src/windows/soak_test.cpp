// SPDX-License-Identifier: MIT
// The whole flow over and over, watching the process's resident memory. CI runs
// 100 rounds; ORVALIN_SOAK_ROUNDS=1000 gives the long run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include "windows/testing/program_fixture.h"

namespace {

long ResidentKibibytes() {
  std::ifstream statm("/proc/self/statm");
  long pages_total = 0, pages_resident = 0;
  statm >> pages_total >> pages_resident;
  return pages_resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int Rounds() {
  const char* text = std::getenv("ORVALIN_SOAK_ROUNDS");
  const int rounds = text ? std::atoi(text) : 100;
  return rounds >= 20 ? rounds : 20;
}

using Soak = ProgramTest;

TEST_F(Soak, TheWholeFlowRepeatedKeepsMemoryFlat) {
  const int rounds = Rounds();
  const int checkpoint = rounds / 10;
  long resident_at_checkpoint = 0;
  long peak = 0;
  Start();
  for (int round = 1; round <= rounds; ++round) {
    ConfirmYear(std::to_string(1900 + round % 200));
    Choose(frm2kin_, "mnuhyouji");
    Choose(frm2kin_, "mnu1");
    Choose(frm2kin_, "mnuday");
    Click(frm4kin_, "btnok");
    Click(frm4kin_, "Command4");
    Click(frm4kin_, "Command2");
    if (round % 10 == 0) {
      CloseBox(frm2kin_);
    } else {
      Choose(frm2kin_, "mnureturn");
    }
    QCoreApplication::processEvents();
    SettleEvents();
    ASSERT_TRUE(frm1kin_.IsVisible()) << "round " << round;
    ASSERT_TRUE(Messages().empty()) << "round " << round << ": " << Messages()[0].text;
    const long resident = ResidentKibibytes();
    peak = std::max(peak, resident);
    if (round == checkpoint) resident_at_checkpoint = resident;
  }
  const long final_resident = ResidentKibibytes();
  std::printf("soak: %d rounds, resident %ld KiB after round %d, %ld KiB at the end, peak %ld KiB\n", rounds,
              resident_at_checkpoint, checkpoint, final_resident, peak);
#if defined(__SANITIZE_ADDRESS__)
  // AddressSanitizer holds freed memory in quarantine, so resident memory says
  // nothing here; LeakSanitizer checks for leaks when the process exits.
  (void)final_resident;
#else
  EXPECT_LE(final_resident - resident_at_checkpoint, 2048) << "resident memory grew by more than 2 MiB";
#endif
}

}  // namespace
