// SPDX-License-Identifier: MIT
#include "sundial/noon_mark.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/module1.h"
#include "sundial/apparent_noon.h"

namespace sundial {
namespace {

struct DateDeclination {
  int month;
  int day;
  double declination_degrees;
};

// The solstices at the extremes of the declination, the equinoxes where it
// changes sign (whichever of the two days stands nearer zero).
std::vector<SeasonDay> SeasonsOf(const std::vector<DateDeclination>& year) {
  std::size_t highest = 0;
  std::size_t lowest = 0;
  std::vector<std::pair<std::size_t, Season>> found;
  for (std::size_t i = 1; i < year.size(); ++i) {
    const double before = year[i - 1].declination_degrees;
    const double after = year[i].declination_degrees;
    if (after > year[highest].declination_degrees) highest = i;
    if (after < year[lowest].declination_degrees) lowest = i;
    if ((before < 0) != (after < 0)) {
      found.emplace_back(std::fabs(before) <= std::fabs(after) ? i - 1 : i,
                         before < 0 ? Season::kMarchEquinox : Season::kSeptemberEquinox);
    }
  }
  found.emplace_back(highest, Season::kJuneSolstice);
  found.emplace_back(lowest, Season::kDecemberSolstice);
  std::sort(found.begin(), found.end());
  std::vector<SeasonDay> seasons;
  for (const auto& [i, season] : found) seasons.push_back({season, year[i].month, year[i].day});
  return seasons;
}

}  // namespace

Plate PlateOf(const NoonMarkInput& input) {
  if (input.orientation) return {input.orientation->tilt_degrees, input.orientation->facing_degrees, input.height_mm};
  switch (input.surface) {
    case Surface::kWallFacingSouth:
      return {90, 180, input.height_mm};
    case Surface::kWallFacingNorth:
      return {90, 0, input.height_mm};
    case Surface::kFloor:
      break;
  }
  return {0, 180, input.height_mm};
}

NoonMark MakeNoonMark(const NoonMarkInput& input) {
  NoonMark mark{input, {}, {}, {}};
  const Plate plate = PlateOf(input);
  const double ut_hours = input.clock_minutes / 60.0 - input.standard_offset_seconds / 3600.0;
  std::vector<DateDeclination> declinations;
  for (int month = 1; month <= 12; ++month) {
    const int days_in_month = Module1::DaysInMonth(input.year, month);
    for (int day = 1; day <= days_in_month; ++day) {
      const SunDirection sun = SunDirectionAt(input.place, input.year, month, day, ut_hours, input.refraction);
      declinations.push_back({month, day, sun.declination_degrees});
      if (const auto shadow = PlateShadow(plate, sun.altitude_degrees, sun.azimuth_degrees)) {
        mark.days.push_back({month, day, *shadow, sun.altitude_degrees, sun.azimuth_degrees});
      }
      const double noon_ut_hours = ApparentNoonUtHours(input.year, month, day, input.place.longitude_east_degrees);
      const SunDirection noon = SunDirectionAt(input.place, input.year, month, day, noon_ut_hours, input.refraction);
      if (const auto shadow = PlateShadow(plate, noon.altitude_degrees, noon.azimuth_degrees)) {
        mark.meridian.push_back({month, day, *shadow, noon.altitude_degrees, noon.azimuth_degrees});
      }
    }
  }
  mark.seasons = SeasonsOf(declinations);
  return mark;
}

std::vector<DateRun> DaysWithoutShadow(const NoonMark& mark) {
  std::vector<DateRun> runs;
  std::size_t next = 0;  // the next day with a point
  bool in_run = false;
  for (const CalendarDay& date : DaysOfYear(mark.input.year)) {
    const bool has_point = next < mark.days.size() && mark.days[next].month == date.month &&
                           mark.days[next].day == date.day;
    if (has_point) {
      ++next;
      in_run = false;
      continue;
    }
    if (!in_run) runs.push_back({date, date, 0});
    in_run = true;
    runs.back().last = date;
    ++runs.back().days;
  }
  return runs;
}

}  // namespace sundial
