// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace Module1 {

// Results of the last EquationOfTimeAt call, shared with the detail window.
// "+ " or "- " followed by the whole minutes (UTF-8); empty before the first call.
inline std::string EotMinutesText;
// Seconds beyond the whole minutes, rounded to one decimal, never negative.
inline float EotSeconds = 0;

// An equation of time in minutes split the way it is published.
struct PublishedMinutes {
  std::string minutes_text;  // "+ 16", "- 0", ...
  float seconds;             // 28.2, 0, ...
};

// Splits minutes of time m into sign and whole minutes (not rounded) and the
// remaining seconds rounded to one decimal. Seconds that round to 60.0 carry into
// the minutes: 7.9996 publishes "+ 8" and 0, never 7 minutes 60 seconds.
PublishedMinutes PublishMinutes(double minutes);

// The equation of time in minutes of time at `day` + 9 h of the given month and
// year (E × 4 × 180 / π with the stored π): the value EquationOfTimeAt publishes.
double EquationOfTimeMinutes(int16_t year, double month, double day);

// Evaluates the equation of time at `day` + 9 h of the given month and year and
// publishes it in EotMinutesText and EotSeconds. `day` is the day of the month plus
// hour / 24 minus 9 / 24, as the detail window passes it, so the instant evaluated is
// that day and hour on the Julian Day scale.
void EquationOfTimeAt(int16_t year, double month, double day);

}  // namespace Module1
