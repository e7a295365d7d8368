// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace Module1 {

// Julian Day of a civil date in the proleptic Gregorian calendar (no switch to the
// Julian calendar before 1582).
//   Given:    year   years before the common era negative (−1 is 2 BC)
//             month  1 = January .. 12 = December, fractions used as they are
//             day    day of the month with its fraction counted from 0h
//   Returned: Julian Day, days (2002-08-16 at 0h is 2452502.5; noon is whole)
// Notes: a negative year is first decreased by one (−1 is handled as −2), January
// and February count as months 13 and 14 of the year before. Then
//   JD = ((⌊365.25 Y⌋ + ⌊30.59 (M − 2)⌋) + D) + 1721086.5 + (⌊Y/400⌋ − ⌊Y/100⌋ + 2),
// added in that order, ⌊ ⌋ the floor (never truncation, so negative years work).
// Months 0, 13, 14 and days past the month's end continue linearly (day 32 of
// January is 1 February).
// Reference: source not confirmed. It gives the standard Julian Days of J2000.0
// (2451545.0), 1900 January 0.5 (2415020.0) and 1582 October 15 (2299160.5), as
// calendar_test checks.
double JulianDay(int16_t year, double month, double day);

// Julian centuries from JD 2415020.0 (1900 January 0, 12h).
//   Given:    jd  Julian Day, days
//   Returned: T = (jd − 2415020) / 36525, Julian centuries (T = 1 at JD 2451545.0)
double JulianCenturies(double jd);

// Length of a month in the proleptic Gregorian calendar.
//   Given:    year   as JulianDay takes it; the leap-year rule (divisible by 400, or
//                    by 4 and not by 100) applies to it as given, negative years
//                    included (0, −4 and −400 are leap years, −100 is not)
//             month  1..12
//   Returned: 28..31 days
// Note: any other month raises the runtime's subscript-out-of-range error (9).
int DaysInMonth(int16_t year, int month);

// DaysInMonth(year, 2) == 29, published for the detail window's one-day advance:
// refills MonthDays with the month lengths of `year`. Other code asks DaysInMonth.
bool IsLeapYear(int16_t year);

}  // namespace Module1
