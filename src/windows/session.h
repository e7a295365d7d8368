// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <cstdint>
#include <string>

namespace platform {
class Form;
}

namespace windows {

// What the three windows share for one run of the program: the calculation year,
// the sound path of the version box, and the windows themselves by name. A window
// reaches another only through the platform::Form found here (show, hide, enable,
// unload), never through the other's class. ProgramWindows makes one and hands it
// to each window; the program has one and each window test its own, so nothing is
// left over from one test to the next.
class Session {
 public:
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The calculation year: negative before the common era, 0 until the first year is
  // confirmed. Written only by the year entry window's confirmation.
  int16_t CalcYear = 0;
  // The sound file played after the version box closes; set by that command.
  std::string SoundPath;

  platform::Form& frm1kin() const { return Named(year_entry_); }  // year entry
  platform::Form& frm2kin() const { return Named(chart_); }       // chart
  platform::Form& frm4kin() const { return Named(detail_); }      // detail

  // Names the three windows once they exist (ProgramWindows does this).
  void SetForms(platform::Form& year_entry, platform::Form& chart, platform::Form& detail) {
    year_entry_ = &year_entry;
    chart_ = &chart;
    detail_ = &detail;
  }

 private:
  static platform::Form& Named(platform::Form* form) {
    assert(form && "the session's forms are named by ProgramWindows");
    return *form;
  }

  platform::Form* year_entry_ = nullptr;
  platform::Form* chart_ = nullptr;
  platform::Form* detail_ = nullptr;
};

}  // namespace windows
