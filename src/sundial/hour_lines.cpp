// SPDX-License-Identifier: MIT
#include "sundial/hour_lines.h"

#include <algorithm>
#include <cmath>
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

constexpr double kRadian = 3.14159265358979323846 / 180;

// How far the Sun's declination and the equation of time (in degrees of hour angle)
// range over the dial's year: from every fifth day at 12 h UT (at longitude 0 the
// hour angle is the equation of time itself), each widened by half
// a degree for the days between and the hours of the day away from 12 h UT.
struct YearRange {
  double low_declination, high_declination;
  double low_eot, high_eot;
};

YearRange YearRangeOf(const Dial& dial, const std::vector<CalendarDay>& year) {
  YearRange range{90, -90, 180, -180};
  for (std::size_t i = 0; i < year.size(); i += 5) {
    const SunDirection sun = SunDirectionAt({0, 0}, dial.year, year[i].month, year[i].day, 12, Refraction::kNone);
    range.low_declination = std::min(range.low_declination, sun.declination_degrees);
    range.high_declination = std::max(range.high_declination, sun.declination_degrees);
    range.low_eot = std::min(range.low_eot, sun.hour_angle_degrees);
    range.high_eot = std::max(range.high_eot, sun.hour_angle_degrees);
  }
  constexpr double kWiden = 0.5;
  return {range.low_declination - kWiden, range.high_declination + kWiden, range.low_eot - kWiden,
          range.high_eot + kWiden};
}

// A direction `v` seen from the sky's axis at latitude φ: the Sun at declination δ
// and hour angle H has s·v = P sin δ + Q cos δ cos(H − Hv), with P = v·p on the
// axis p towards the north celestial pole, and Q and Hv the size and hour angle of
// v's part in the equator's plane (the meridian m towards the upper culmination,
// the west w at H = 90°).
struct AxisView {
  double p;
  double q;
  double hour_angle;  // radians
};

AxisView ViewOf(const LocalVector& v, double latitude_degrees) {
  const double phi = latitude_degrees * kRadian;
  const LocalVector p{0, std::cos(phi), std::sin(phi)};
  const LocalVector m{0, -std::sin(phi), std::cos(phi)};
  const LocalVector w{-1, 0, 0};
  return {Dot(v, p), std::hypot(Dot(v, m), Dot(v, w)), std::atan2(Dot(v, w), Dot(v, m))};
}

// The largest s·v for a Sun within the year's ranges at the clock time whose hour
// angle is `hour_angle` plus the equation of time: at the hour angle nearest Hv,
// then at the declination nearest atan2(P, Q cos(H − Hv)).
double HighestOver(const AxisView& view, const YearRange& range, double hour_angle) {
  const double half = (range.high_eot - range.low_eot) / 2;
  const double middle = std::remainder(hour_angle + range.low_eot + half - view.hour_angle / kRadian, 360.0);
  const double cosine = std::cos(std::clamp(0.0, middle - half, middle + half) * kRadian);
  const double best = std::atan2(view.p, view.q * cosine) / kRadian;
  const double delta = std::clamp(best, range.low_declination, range.high_declination) * kRadian;
  return view.p * std::sin(delta) + view.q * std::cos(delta) * cosine;
}

// Whether the Sun can throw the nodus's shadow onto the plate within the dial's
// reach at that clock time on some day: above the horizon (within a degree, which
// refraction never lifts it past) and near enough the plate's normal (the shadow
// at most `reach` heights away is at most atan(reach) off it; a degree more for
// refraction). A line the Sun never lights needs no day-by-day Sun.
bool SunCanReach(const AxisView& zenith, const AxisView& normal, double reach, const YearRange& range,
                 double hour_angle) {
  return HighestOver(zenith, range, hour_angle) > std::sin(-1 * kRadian) &&
         HighestOver(normal, range, hour_angle) > std::cos(std::atan(reach) + 1 * kRadian);
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
  const bool mean = dial.time == DialTime::kMean;
  const std::vector<CalendarDay> year = mean ? DaysOfYear(dial.year) : std::vector<CalendarDay>{};
  const YearRange range = mean ? YearRangeOf(dial, year) : YearRange{};
  const AxisView zenith = ViewOf({0, 0, 1}, dial.place.latitude_degrees);
  const AxisView normal = ViewOf(axes.normal, dial.place.latitude_degrees);
  std::vector<HourLine> lines;
  for (int minutes = 0; minutes < 24 * 60; minutes += step_minutes) {
    HourLine line{};
    line.minutes = minutes;
    line.whole_hour = minutes % 60 == 0;
    if (summer_minutes) line.summer_minutes = ((minutes + *summer_minutes) % 1440 + 1440) % 1440;
    if (mean) {
      // The hour angle of the clock time without the equation of time.
      if (!SunCanReach(zenith, normal, dial.max_distance_heights, range, StraightLineHourAngle(dial, minutes))) {
        continue;
      }
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
