// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "sundial/sun_direction.h"

// The analemmatic dial: hour points on an ellipse on the ground and a date scale
// along its minor axis on which a person stands as the gnomon. No Qt.
namespace sundial {

struct AnalemmaticInput {
  Place place;
  int standard_offset_seconds;  // the zone's standard offset east of UTC (no summer time)
  double semi_major_m;          // the ellipse's half-width east–west, metres, > 0
  int16_t year;                 // the dates of the scale
};

// Metres from the ellipse's centre, x east and y north.
struct GroundPoint {
  double x_m;
  double y_m;
};

struct AnalemmaticHour {
  int clock_minutes;  // standard clock time, minutes after midnight, on the hour or the half
  bool half_hour;
  double hour_angle_degrees;  // H = 15° × (clock − 12 h) + λ − 15° × offset, −180..180
  GroundPoint point;          // (M sin H, M sin φ cos H)
};

enum class DateMarkKind { kMonth, kMarchEquinox, kJuneSolstice, kSeptemberEquinox, kDecemberSolstice };

struct AnalemmaticDate {
  DateMarkKind kind;
  int month;
  int day;
  double declination_degrees;  // NoonDeclinationDegrees of the date at the place
  double y_m;                  // where to stand: M cos φ tan δ north of the centre
};

struct AnalemmaticDial {
  double semi_minor_m;  // M |sin φ|, north–south
  // Hour points every half hour of the standard clock at which the Sun can be above
  // the horizon on some day (geometric altitude > 0 for some |δ| ≤ 23.44°), in clock order.
  std::vector<AnalemmaticHour> hours;
  // The 1st of each month, then the days of the equinoxes and solstices (the noon
  // mark's rule on the noon declinations), in that order.
  std::vector<AnalemmaticDate> dates;
};

// The dial of `input`. The Sun at hour angle H and declination δ throws the shadow
// of a person standing at (0, M cos φ tan δ) along (cos δ sin H,
// cos δ sin φ cos H − sin δ cos φ), opposite the Sun's east and north parts; M / cos δ
// along it lies the hour point (M sin H, M sin φ cos H), whatever the sign of φ. So
// the southern dial needs no rule of its own: sin φ < 0 turns the ellipse over (noon
// south of the centre, the hours running anticlockwise seen from above, mornings
// still to the west), while the date scale keeps June to the north, cos φ being
// positive in both hemispheres.
AnalemmaticDial MakeAnalemmaticDial(const AnalemmaticInput& input);

// Where to stand on a day of declination δ: y = M cos φ tan δ, metres north.
double AnalemmaticStanceY(const AnalemmaticInput& input, double declination_degrees);

// What a person standing at (0, stance_y_m) reads: the hour angles, degrees
// (−180..180), of the points where the shadow, pointing to `shadow_azimuth_degrees`
// (from north through east), meets the ellipse ahead, keeping those at which the Sun
// of the stance's declination would stand above the horizon. Mostly one; in the
// tropics a stance lies outside the ellipse and the Sun can have one azimuth twice in
// a morning or an afternoon, and the shadow then crosses two hour points, both true
// (the shadow's length would tell them apart). None on the equator (the ellipse is flat).
std::vector<double> AnalemmaticReadings(const AnalemmaticInput& input, double stance_y_m,
                                        double shadow_azimuth_degrees);

}  // namespace sundial
