// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "sundial/nodus_shadow.h"
#include "sundial/plate.h"
#include "sundial/sun_direction.h"

// A flat dial: a plate at a place, read in one kind of time. What its hour lines
// and date lines are drawn from. No Qt.
namespace sundial {

enum class DialTime {
  kApparent,  // local apparent solar time: the hour angle itself
  kStandard,  // the zone's standard clock with the longitude correction, without the
              // equation of time: straight lines, the dial then reads clock + E
  kMean,      // the zone's standard clock: a figure of eight per time, the Sun's
              // place at that clock time on each day of a year
};

struct Dial {
  Place place;
  Plate plate;
  DialTime time;
  int standard_offset_seconds;  // the zone's standard offset east of UTC (no summer time)
  int16_t year;                 // the days of the figures of eight, the months' date
                                // lines and the days without lines; 1..32767
  Refraction refraction;        // the Sun of the mean kind; straight lines are geometric
  // Shadows farther from the foot are left out (NodusShadow's rule by default).
  double max_distance_heights = kMaxShadowDistanceHeights;
};

// The declinations dial books draw: the solstices, the Sun's entry into the signs
// of the zodiac, the equinoxes.
inline constexpr std::array<double, 7> kDialDeclinations = {-23.44, -20.15, -11.47, 0, 11.47, 20.15, 23.44};

// The hour angle, degrees, at which the Sun stands on the straight line of
// `minutes` after midnight of the dial's time: 15° × (t − 12 h) for apparent time,
// plus λ − 15° × offset (hours) for standard time (and for the mean kind's date
// lines of one declination, which have no one equation of time). Not reduced.
double StraightLineHourAngle(const Dial& dial, double minutes);

// The time of the dial, minutes after midnight (not reduced), at which the Sun has
// the hour angle `hour_angle_degrees` on a straight-line dial: the inverse.
double StraightLineMinutes(const Dial& dial, double hour_angle_degrees);

}  // namespace sundial
