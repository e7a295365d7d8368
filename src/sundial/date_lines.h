// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "sundial/dial.h"
#include "sundial/nodus_shadow.h"

// Date lines: the curve the nodus's shadow traces across a plate in one day. No Qt.
namespace sundial {

enum class DateLineSet {
  kNone,
  kSeasons,  // declinations +23.44, 0, −23.44
  kZodiac,   // the seven of kDialDeclinations
  kMonths,   // the 1st of each month of the dial's year
};

struct TimedPoint {
  double time_hours;  // the dial's time of the shadow, 0 ≤ t < 24
  ShadowPoint point;
};

struct DateLine {
  double declination_degrees;  // the months': NoonDeclinationDegrees of the day
  int month;                   // the months' date; 0 for a line of a declination alone
  int day;
  // The shadow every step of the dial's time, in order from sunrise to sunset;
  // a new run wherever the Sun leaves the plate (or the dial's distance).
  std::vector<std::vector<TimedPoint>> runs;
};

// The date lines of `set` on `dial`, with a point every `step_minutes` of the dial's
// time (on whole multiples of it, so the points meet the hour lines). Lines that
// never reach the plate are left out.
//
// A line of one declination (seasons, zodiac, and the months' lines on apparent and
// standard dials) takes its hour angle from the time as StraightLineHourAngle does,
// from −180° on; geometric, but refracted like the figures of eight on a mean-time
// dial. On a mean-time dial a months' line is the Sun's path on that date at each
// clock time, SunDirectionAt as for the figures of eight, so it runs through their
// points of that day; a line of a declination alone has no one equation of time
// (the Sun passes it on two dates) and is labelled with the standard clock without it.
std::vector<DateLine> DateLinesOf(const Dial& dial, DateLineSet set, int step_minutes = 5);

}  // namespace sundial
