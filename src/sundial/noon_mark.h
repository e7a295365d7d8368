// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "sundial/nodus_shadow.h"
#include "sundial/sun_direction.h"

// A noon mark: the figure of eight the shadow of a nodus traces on a floor or a
// wall at one clock time through a year, with the meridian line and the days
// nearest the solstices and equinoxes. No Qt.
namespace sundial {

struct NoonMarkInput {
  Place place;
  int standard_offset_seconds;  // the zone's standard offset east of UTC (no summer time)
  int clock_minutes;            // the clock time, minutes after midnight, 0..1439
  int16_t year;                 // the engine's years; 1..32767 where zones exist
  double height_mm;             // > 0: from the nodus to the floor or the wall
  Surface surface;
  Refraction refraction;
};

// One day's shadow at the clock time.
struct NoonMarkDay {
  int month;  // 1..12, the date on the clock
  int day;    // 1..31
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
  // Every day of the year in date order whose shadow falls on the surface
  // (NodusShadow says when it does not: Sun down, behind the wall, or farther than
  // kMaxShadowDistanceHeights heights from the foot).
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
// SunDirectionAt's, the shadow NodusShadow's. The seasons come from the
// declination at the same instants: the solstices are the days of its largest and
// smallest value, an equinox the day of a sign change whose |δ| is the smaller.
NoonMark MakeNoonMark(const NoonMarkInput& input);

// The days that carry a tick and a date on the figure: the 1st, 11th and 21st.
inline bool IsTickDay(int day) { return day == 1 || day == 11 || day == 21; }

}  // namespace sundial
