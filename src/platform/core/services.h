// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What the windows ask of the desktop besides drawing: message boxes, the clock and
// sound. Each is replaceable so that tests can read what was asked for without a
// modal loop, a real clock or a sound device.
namespace platform {

// Buttons value 0: a single OK button.
inline constexpr int kOkOnly = 0;

struct MessageBoxRequest {
  std::string title;  // UTF-8
  std::string text;   // UTF-8; line breaks as given (CR, LF or CR LF)
  int buttons = kOkOnly;
  bool is_error = false;  // a runtime error report (shown with the error icon)
};

// The present local date and time, read anew at each use.
struct LocalDateTime {
  int year;
  int month;  // 1..12
  int day;    // 1..31
  int hour;   // 0..23
};

}  // namespace platform
