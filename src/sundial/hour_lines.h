// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "sundial/dial.h"
#include "sundial/nodus_shadow.h"

// The hour lines of a flat dial: straight for apparent and standard time, figures
// of eight for the zone's clock. No Qt.
namespace sundial {

struct DeclinationPoint {
  double declination_degrees;  // one of kDialDeclinations
  ShadowPoint point;
};

// One day's shadow at the line's clock time (the noon mark's NoonMarkDay, on a plate).
struct DayPoint {
  int month;
  int day;
  ShadowPoint point;
  double altitude_degrees;  // apparent when refraction is applied
  double azimuth_degrees;
  double declination_degrees;  // the Sun's apparent declination at that instant
};

// Days in date order with a shadow on each; a day without one starts a new run.
using DayRun = std::vector<DayPoint>;

struct HourLine {
  int minutes;      // the line's time after midnight in the dial's time, 0..1439
  bool whole_hour;  // drawn full; the steps between hours are drawn lighter
  // The same instant on the zone's summer-time clock, when asked for: minutes
  // + the summer amount, 0..1439.
  std::optional<int> summer_minutes;
  // Straight lines (apparent, standard time): the shadows at kDialDeclinations
  // that the Sun reaches (above the horizon, in front of the plate, within the
  // dial's distance), in that order. They make one segment: along a line each
  // limit is one inequality in tan δ, so the reachable declinations are one
  // interval. Through the centre, or parallel to the substyle when it is at infinity.
  std::vector<DeclinationPoint> points;
  // Figures of eight (the zone's clock): the shadow at the line's clock time on each
  // day of the dial's year, as the noon mark computes it, in two halves from
  // solstice to solstice (each solstice day ends one half and starts the other).
  // December to June runs from the December solstice to 31 December and on from
  // 1 January (the curve all but closes over the year's end) to the June solstice.
  std::vector<DayRun> december_to_june;
  std::vector<DayRun> june_to_december;
};

// The lines of `dial` every `step_minutes` (60, 30, 15 or 10; any divisor of 1440
// works) from 00:00, those at which the Sun shines on the plate on some day: a
// straight line with at least one point, a figure of eight with at least one day.
// With `summer_minutes` each line carries its summer-time label.
std::vector<HourLine> HourLinesOf(const Dial& dial, int step_minutes, std::optional<int> summer_minutes = std::nullopt);

struct DateRange {
  int first_month;
  int first_day;
  int last_month;
  int last_day;
};

// The days of the dial's year on which the shadow falls on none of `lines`, as runs
// of consecutive dates (a plate lit only part of the year: a north wall in the
// northern summer). For figures of eight, the days missing from every line; for
// straight lines, the days whose noon declination (NoonDeclinationDegrees) puts the
// shadow on the plate at none of the lines' hour angles.
std::vector<DateRange> DaysWithoutLines(const Dial& dial, const std::vector<HourLine>& lines);

}  // namespace sundial
