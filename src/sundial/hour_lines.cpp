// SPDX-License-Identifier: MIT
#include "sundial/hour_lines.h"

#include <cstddef>

#include "sundial/year_days.h"

namespace sundial {
namespace {

std::vector<DeclinationPoint> StraightLinePoints(const Dial& dial, const PlateAxes& axes, double hour_angle) {
  std::vector<DeclinationPoint> points;
  for (const double declination : kDialDeclinations) {
    const LocalVector sun = SunVectorAt(dial.place.latitude_degrees, declination, hour_angle);
    if (const auto point = ShadowOnPlate(axes, dial.plate.height_mm, sun, dial.max_distance_heights)) {
      points.push_back({declination, *point});
    }
  }
  return points;
}

// Days [first, last] of `days` as runs of those that have a shadow.
void AppendRuns(const std::vector<std::optional<DayPoint>>& days, std::size_t first, std::size_t last,
                std::vector<DayRun>& runs, bool& open) {
  for (std::size_t i = first; i <= last; ++i) {
    if (!days[i]) {
      open = false;
      continue;
    }
    if (!open) runs.emplace_back();
    runs.back().push_back(*days[i]);
    open = true;
  }
}

void FillFigureOfEight(const Dial& dial, const PlateAxes& axes, const std::vector<CalendarDay>& year,
                       HourLine& line) {
  const double ut_hours = line.minutes / 60.0 - dial.standard_offset_seconds / 3600.0;
  std::vector<std::optional<DayPoint>> days(year.size());
  std::vector<double> declinations(year.size());
  for (std::size_t i = 0; i < year.size(); ++i) {
    const auto [month, day] = year[i];
    const SunDirection sun = SunDirectionAt(dial.place, dial.year, month, day, ut_hours, dial.refraction);
    declinations[i] = sun.declination_degrees;
    if (!(sun.altitude_degrees > 0)) continue;
    const LocalVector toward = SunVector(sun.altitude_degrees, sun.azimuth_degrees);
    if (const auto point = ShadowOnPlate(axes, dial.plate.height_mm, toward, dial.max_distance_heights)) {
      days[i] = DayPoint{month, day, *point, sun.altitude_degrees, sun.azimuth_degrees, sun.declination_degrees};
    }
  }
  const SeasonIndices seasons = SeasonsOf(declinations);
  bool open = false;
  AppendRuns(days, seasons.june_solstice, seasons.december_solstice, line.june_to_december, open);
  open = false;
  AppendRuns(days, seasons.december_solstice, days.size() - 1, line.december_to_june, open);
  AppendRuns(days, 0, seasons.june_solstice, line.december_to_june, open);
}

}  // namespace

std::vector<HourLine> HourLinesOf(const Dial& dial, int step_minutes, std::optional<int> summer_minutes) {
  const PlateAxes axes = AxesOf(dial.plate);
  const std::vector<CalendarDay> year = dial.time == DialTime::kMean ? DaysOfYear(dial.year) : std::vector<CalendarDay>{};
  std::vector<HourLine> lines;
  for (int minutes = 0; minutes < 24 * 60; minutes += step_minutes) {
    HourLine line{};
    line.minutes = minutes;
    line.whole_hour = minutes % 60 == 0;
    if (summer_minutes) line.summer_minutes = ((minutes + *summer_minutes) % 1440 + 1440) % 1440;
    if (dial.time == DialTime::kMean) {
      FillFigureOfEight(dial, axes, year, line);
      if (line.december_to_june.empty() && line.june_to_december.empty()) continue;
    } else {
      line.points = StraightLinePoints(dial, axes, StraightLineHourAngle(dial, minutes));
      if (line.points.empty()) continue;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<DateRange> DaysWithoutLines(const Dial& dial, const std::vector<HourLine>& lines) {
  const std::vector<CalendarDay> year = DaysOfYear(dial.year);
  std::vector<bool> lit(year.size(), false);
  if (dial.time == DialTime::kMean) {
    // Day numbers by date: index = position in the year.
    std::vector<std::vector<std::size_t>> index_of(13, std::vector<std::size_t>(32, 0));
    for (std::size_t i = 0; i < year.size(); ++i) index_of[year[i].month][year[i].day] = i;
    for (const HourLine& line : lines) {
      for (const auto* half : {&line.december_to_june, &line.june_to_december}) {
        for (const DayRun& run : *half) {
          for (const DayPoint& day : run) lit[index_of[day.month][day.day]] = true;
        }
      }
    }
  } else {
    const PlateAxes axes = AxesOf(dial.plate);
    for (std::size_t i = 0; i < year.size(); ++i) {
      const double declination =
          NoonDeclinationDegrees(dial.year, year[i].month, year[i].day, dial.place.longitude_east_degrees);
      for (const HourLine& line : lines) {
        const LocalVector sun =
            SunVectorAt(dial.place.latitude_degrees, declination, StraightLineHourAngle(dial, line.minutes));
        if (ShadowOnPlate(axes, dial.plate.height_mm, sun, dial.max_distance_heights)) {
          lit[i] = true;
          break;
        }
      }
    }
  }
  std::vector<DateRange> ranges;
  for (std::size_t i = 0; i < year.size(); ++i) {
    if (lit[i]) continue;
    if (i > 0 && !lit[i - 1]) {
      ranges.back().last_month = year[i].month;
      ranges.back().last_day = year[i].day;
    } else {
      ranges.push_back({year[i].month, year[i].day, year[i].month, year[i].day});
    }
  }
  return ranges;
}

}  // namespace sundial
