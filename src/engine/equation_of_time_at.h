// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace Module1 {

// The equation of time at one instant, split the way the detail window shows it.
struct EotValue {
  bool negative;         // m < 0: the sundial is behind the clock ("- ")
  double whole_minutes;  // ⌊|m|⌋, one more when the seconds carry (SplitMinutes);
                         // a double: any month and day is taken, so m has no bound
  float seconds;         // the rest in seconds, to one decimal, 0 ≤ seconds < 60
  double minutes;        // m itself, signed minutes of time, unrounded
};

// Splits minutes of time m into sign, whole minutes (not rounded) and the remaining
// seconds rounded to one decimal as the pattern "#0.0" rounds them (an exact half
// away from zero), held as the single nearest that decimal.
//   Given:    minutes  m, minutes of time, finite
//   Returned: the split; `minutes` is m as given
// Note: seconds that round to 60.0 carry into the minutes: 7.9996 gives 8 minutes
// and 0 seconds, never 7 minutes 60 seconds. Raises the floating-point errors for a
// non-finite m.
EotValue SplitMinutes(double minutes);

// The equation of time in minutes of time at `day` + 9 h of the given month and year.
//   Given:    year   proleptic Gregorian year, negative before the common era
//             month  1..12 (others continue linearly, as JulianDay takes them)
//             day    day of the month + hour / 24 − 9 / 24, as the detail window
//                    passes it, so the instant is that day and hour on the Julian
//                    Day scale (Universal Time)
//   Returned: m = E × 4 × 180 / π, minutes of time (|m| < 27 for every 16-bit
//             year and a day of the year), positive when the sundial is ahead
// Note: E is EquationOfTime of the elements at that instant; π is the stored Pi.
double EquationOfTimeMinutes(int16_t year, double month, double day);

// EquationOfTimeMinutes at the same instant, split by SplitMinutes. Pure.
EotValue EquationOfTimeValueAt(int16_t year, double month, double day);

// "+ " or "- " followed by the whole minutes in the general form: "+ 16", "- 0".
std::string MinutesText(const EotValue& value);

// Results of the last EquationOfTimeAt call, for the detail window.
// MinutesText of the value (UTF-8); empty before the first call.
inline std::string EotMinutesText;
// The value's seconds; 0 before the first call.
inline float EotSeconds = 0;

// EquationOfTimeValueAt, published in EotMinutesText and EotSeconds for the detail
// window. Every other caller takes the value from EquationOfTimeValueAt itself.
void EquationOfTimeAt(int16_t year, double month, double day);

}  // namespace Module1
