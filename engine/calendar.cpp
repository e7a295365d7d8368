// SPDX-License-Identifier: MIT
#include "engine/calendar.h"

#include <cmath>

#include "engine/month_days.h"

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

bool IsLeapYear(int16_t year) {
  MonthDays.FillCommonYear();
  bool leap;
  if (year % 400 == 0) {
    leap = true;
  } else if (year % 100 == 0) {
    leap = false;
  } else {
    leap = year % 4 == 0;
  }
  if (leap) MonthDays(2) = 29;
  return leap;
}

}  // namespace Module1
