// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// When the Sun crosses a meridian (local apparent noon), by the program's own
// equation of time. No Qt.
namespace sundial {

// Universal Time of local apparent noon at `longitude_east_degrees` (east positive,
// -180..180) on the date `day` `month` `year` (proleptic Gregorian, the engine's
// years), in hours from 0h UT of that date: 12 h − λ/15 h − E/60 h, with E the
// equation of time in minutes (Module1::EquationOfTimeMinutes) evaluated at that
// instant. Found by iteration from 12 h − λ/15 h until it moves less than 0.01 s.
// Far east or west the result lies before 0 h or after 24 h of the date. `day` may
// run past the month's end (day 0, day 32), counted on from the month's first.
double ApparentNoonUtHours(int16_t year, int month, int day, double longitude_east_degrees);

// The equation of time in minutes at local apparent noon of the date at
// `longitude_east_degrees`: 12 h − λ/15 h less ApparentNoonUtHours, in minutes.
// What a dial whose lines carry its longitude correction reads ahead of the zone's
// standard time that day; the one value a table of days gives.
double EquationOfTimeAtNoonMinutes(int16_t year, int month, int day, double longitude_east_degrees);

// The iteration stops once the instant moves less than this.
inline constexpr double kNoonSettledSeconds = 0.01;

}  // namespace sundial
