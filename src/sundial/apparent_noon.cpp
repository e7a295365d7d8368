// SPDX-License-Identifier: MIT
#include "sundial/apparent_noon.h"

#include <cmath>

#include "engine/module1.h"

namespace sundial {
namespace {

// The equation of time changes by at most about 30 s a day, so each step shrinks
// the change by a factor of about 3000: two or three steps settle it.
constexpr int kMaxSteps = 20;

}  // namespace

double ApparentNoonUtHours(int16_t year, int month, int day, double longitude_east_degrees) {
  const double mean_noon_hours = 12 - longitude_east_degrees / 15;  // the mean Sun on the meridian
  double hours = mean_noon_hours;
  for (int step = 0; step < kMaxSteps; ++step) {
    // The engine evaluates at its day argument + 9 h, as the detail window passes it.
    const double day_argument = day + hours / 24 - 9.0 / 24;
    const double eot_minutes = Module1::EquationOfTimeMinutes(year, month, day_argument);
    const double next_hours = mean_noon_hours - eot_minutes / 60;
    const bool settled = std::fabs(next_hours - hours) * 3600 < kNoonSettledSeconds;
    hours = next_hours;
    if (settled) break;
  }
  return hours;
}

double EquationOfTimeAtNoonMinutes(int16_t year, int month, int day, double longitude_east_degrees) {
  return (12 - longitude_east_degrees / 15 - ApparentNoonUtHours(year, month, day, longitude_east_degrees)) * 60;
}

}  // namespace sundial
