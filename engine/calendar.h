// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace Module1 {

// Julian Day (days, double) of a date in the proleptic Gregorian calendar.
// `day` is the day of the month with its fraction counted from 0h, so 2002-08-16
// at 0h is 2452502.5. A negative year is first decreased by one (-1 is handled as
// -2). Months 0, 13 and 14 and days past the month's end continue linearly.
// Reference: the classical ⌊365.25 Y⌋ + ⌊30.59 (M − 2)⌋ day count.
double JulianDay(int16_t year, double month, double day);

// Julian centuries T from JD 2415020.0 (1900 January 0, 12h): T = 1 at JD 2451545.0.
double JulianCenturies(double jd);

// Gregorian leap-year rule applied to `year` as given (no adjustment of negative
// years). Refills MonthDays: the common-year lengths, then February = 29 in a leap year.
bool IsLeapYear(int16_t year);

}  // namespace Module1
