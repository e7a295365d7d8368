// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sundial/nodus_shadow.h"
#include "sundial/plate.h"
#include "sundial/sun_direction.h"
#include "sundial/year_days.h"

// A noon mark: the figure of eight the shadow of a nodus traces on a floor, a
// wall or a plate of any tilt and facing at one clock time through a year, with
// the meridian line and the days nearest the solstices and equinoxes. No Qt.
namespace sundial {

// How a plate lies: plate.h's tilt and facing.
struct PlateOrientation {
  double tilt_degrees;
  double facing_degrees;
};

struct NoonMarkInput {
  Place place;
  int standard_offset_seconds;  // the zone's standard offset east of UTC (no summer time)
  int clock_minutes;            // the clock time, minutes after midnight, 0..1439
  int16_t year;                 // the engine's years; 1..32767 where zones exist
  double height_mm;             // > 0: from the nodus to the floor, the wall or the plate
  Surface surface;              // the floor or a wall, unless `orientation` is given
  Refraction refraction;
  std::optional<PlateOrientation> orientation = std::nullopt;  // a plate of any tilt and facing
};

// The plate the shadow falls on: `orientation`, or the floor (tilt 0) or the wall
// facing south or north (tilt 90, facing 180 or 0) that `surface` names, the
// nodus height_mm from it.
Plate PlateOf(const NoonMarkInput& input);

// One day's shadow at the clock time.
struct NoonMarkDay {
  int month;  // 1..12, the date on the clock
  int day;    // 1..31
  // The plate's coordinates (plate.h): x to the right and y up the slope as seen
  // facing the plate; on the floor x east and y north, on a wall y up and x east
  // when it faces south, west when it faces north.
  ShadowPoint shadow;
  double altitude_degrees;  // apparent when refraction is applied
  double azimuth_degrees;   // from north through east
};

enum class Season { kMarchEquinox, kJuneSolstice, kSeptemberEquinox, kDecemberSolstice };

// The date, at the clock time, nearest a solstice or an equinox.
struct SeasonDay {
  Season season;
  int month;
  int day;
};

struct NoonMark {
  NoonMarkInput input;
  // Every day of the year in date order whose shadow falls on the plate
  // (PlateShadow says when it does not: Sun down, behind the plate, or farther
  // than kMaxShadowDistanceHeights heights from the foot).
  std::vector<NoonMarkDay> days;
  // The shadow at local apparent noon (hour angle 0) on each day that has one, in
  // date order: points of the meridian line, which runs through the foot of the
  // nodus (x = 0 on both surfaces).
  std::vector<NoonMarkDay> meridian;
  // The four days in the order of the year; each may have no point in `days`.
  std::vector<SeasonDay> seasons;
};

// The noon mark of `input`. Each clock date of the year is taken at the clock time
// of the zone's standard time: UT = clock time − offset, on that date (so before
// 0 h or after 24 h UT of it far from Greenwich). The Sun's direction there is
// SunDirectionAt's, the shadow PlateShadow's on PlateOf(input) (on a floor and on
// the walls the same as NodusShadow's, to the bit, but for x on a wall facing
// north, where it runs the other way). The seasons come from the declination at
// the same instants: the solstices are the days of its largest and smallest
// value, an equinox the day of a sign change whose |δ| is the smaller.
NoonMark MakeNoonMark(const NoonMarkInput& input);

// A run of consecutive dates.
struct DateRun {
  CalendarDay first;
  CalendarDay last;
  int days;
};

// The dates of the mark's year that have no point in `days`, as runs in date order.
std::vector<DateRun> DaysWithoutShadow(const NoonMark& mark);

// The days that carry a tick and a date on the figure: the 1st, 11th and 21st.
inline bool IsTickDay(int day) { return day == 1 || day == 11 || day == 21; }

}  // namespace sundial
