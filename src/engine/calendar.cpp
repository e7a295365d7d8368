// SPDX-License-Identifier: MIT
#include "engine/calendar.h"

#include <cmath>

#include "engine/month_days.h"
#include "platform/core/runtime_error.h"

namespace Module1 {

double JulianDay(int16_t year, double month, double day) {
  // Wider than 16 bits: year -32768 becomes -32770 below.
  int32_t y = year;
  double m = month;
  const double d = day;
  if (y < 0) y = y - 1;
  if (m < 3) {  // January and February count as months 13 and 14 of the year before
    y = y - 1;
    m = m + 12;
  }
  // Days to the start of the month; floor, never truncation, so negative years work.
  const double days_before_month = std::floor(365.25 * y) + std::floor(30.59 * (m - 2));
  const double julian_day_uncorrected = (days_before_month + d) + 1721086.5;
  // Gregorian correction (a small integer).
  const int16_t gregorian_days = static_cast<int16_t>(
      std::floor(y / 400.0) - std::floor(y / 100.0) + 2);
  return julian_day_uncorrected + gregorian_days;
}

double JulianCenturies(double jd) { return (jd - 2415020) / 36525; }

int DaysInMonth(int16_t year, int month) {
  static constexpr int kCommonYear[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) throw platform::RuntimeError::SubscriptOutOfRange();
  // Gregorian rule on the year as given; % leaves 0 for negative multiples too.
  const bool leap = year % 400 == 0 || (year % 100 != 0 && year % 4 == 0);
  return month == 2 && leap ? 29 : kCommonYear[month - 1];
}

bool IsLeapYear(int16_t year) {
  MonthDays.FillCommonYear();
  const bool leap = DaysInMonth(year, 2) == 29;
  if (leap) MonthDays(2) = 29;
  return leap;
}

}  // namespace Module1
