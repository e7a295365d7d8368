// SPDX-License-Identifier: MIT
#include "sundial/dial.h"

namespace sundial {
namespace {

// Degrees of hour angle a time of the dial is ahead of apparent time.
double ZoneShiftDegrees(const Dial& dial) {
  if (dial.time == DialTime::kApparent) return 0;
  return dial.place.longitude_east_degrees - 15.0 * dial.standard_offset_seconds / 3600;
}

}  // namespace

double StraightLineHourAngle(const Dial& dial, double minutes) {
  return 15 * (minutes / 60 - 12) + ZoneShiftDegrees(dial);
}

double StraightLineMinutes(const Dial& dial, double hour_angle_degrees) {
  return 60 * (12 + (hour_angle_degrees - ZoneShiftDegrees(dial)) / 15);
}

}  // namespace sundial
