// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The days of a year, the Sun's declination on them, and the days of the
// solstices and equinoxes among them. No Qt.
namespace sundial {

struct CalendarDay {
  int month;  // 1..12
  int day;    // 1..31
};

// Every date of `year` (the engine's proleptic Gregorian years) in order.
std::vector<CalendarDay> DaysOfYear(int16_t year);

// The Sun's apparent declination, degrees, at local apparent noon of the date at
// `longitude_east_degrees` (Module1::SunApparentDeclination at ApparentNoonUtHours):
// the one value a date line or a date scale gives a day.
double NoonDeclinationDegrees(int16_t year, int month, int day, double longitude_east_degrees);

// Indices into a year's days, by the noon mark's rule on the declinations of those
// days: the solstices at the largest and smallest value, an equinox the day of a
// sign change whose |δ| is the smaller.
struct SeasonIndices {
  std::size_t march_equinox;
  std::size_t june_solstice;
  std::size_t september_equinox;
  std::size_t december_solstice;
};

// `declinations` holds one value per day of a year, in date order.
SeasonIndices SeasonsOf(const std::vector<double>& declinations);

}  // namespace sundial
