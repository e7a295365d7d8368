// SPDX-License-Identifier: MIT
#include "sundial/date_lines.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "sundial/year_days.h"

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The Sun towards `sun` raised by the standard refraction.
LocalVector Refracted(const LocalVector& sun) {
  const double altitude = std::asin(std::fmin(1.0, sun.up)) / kDegree;
  const double azimuth = std::atan2(sun.east, sun.north) / kDegree;
  return SunVector(std::fmin(altitude + StandardRefractionDegrees(altitude), 90.0), azimuth);
}

class RunBuilder {
 public:
  explicit RunBuilder(DateLine& line) : line_(line) {}
  void Add(double minutes, const std::optional<ShadowPoint>& point) {
    if (!point) {
      open_ = false;
      return;
    }
    if (!open_) line_.runs.emplace_back();
    line_.runs.back().push_back({std::fmod(std::fmod(minutes, 1440.0) + 1440.0, 1440.0) / 60, *point});
    open_ = true;
  }

 private:
  DateLine& line_;
  bool open_ = false;
};

void TraceDeclination(const Dial& dial, const PlateAxes& axes, int step_minutes, DateLine& line) {
  const bool refracted = dial.time == DialTime::kMean && dial.refraction == Refraction::kStandard;
  const double first = std::ceil(StraightLineMinutes(dial, -180) / step_minutes) * step_minutes;
  RunBuilder runs(line);
  for (int k = 0; k < 1440 / step_minutes; ++k) {
    const double minutes = first + k * step_minutes;
    LocalVector sun =
        SunVectorAt(dial.place.latitude_degrees, line.declination_degrees, StraightLineHourAngle(dial, minutes));
    if (refracted) sun = Refracted(sun);
    runs.Add(minutes, ShadowOnPlate(axes, dial.plate.height_mm, sun, dial.max_distance_heights));
  }
}

void TraceClockDay(const Dial& dial, const PlateAxes& axes, int step_minutes, DateLine& line) {
  RunBuilder runs(line);
  for (int minutes = 0; minutes < 1440; minutes += step_minutes) {
    const double ut_hours = minutes / 60.0 - dial.standard_offset_seconds / 3600.0;
    const SunDirection sun = SunDirectionAt(dial.place, dial.year, line.month, line.day, ut_hours, dial.refraction);
    std::optional<ShadowPoint> point;
    if (sun.altitude_degrees > 0) {
      point = ShadowOnPlate(axes, dial.plate.height_mm, SunVector(sun.altitude_degrees, sun.azimuth_degrees),
                            dial.max_distance_heights);
    }
    runs.Add(minutes, point);
  }
}

}  // namespace

std::vector<DateLine> DateLinesOf(const Dial& dial, DateLineSet set, int step_minutes) {
  std::vector<DateLine> lines;
  switch (set) {
    case DateLineSet::kNone:
      break;
    case DateLineSet::kSeasons:
      for (const double declination : {kDialDeclinations[6], kDialDeclinations[3], kDialDeclinations[0]}) {
        lines.push_back({declination, 0, 0, {}});
      }
      break;
    case DateLineSet::kZodiac:
      for (const double declination : kDialDeclinations) lines.push_back({declination, 0, 0, {}});
      break;
    case DateLineSet::kMonths:
      for (int month = 1; month <= 12; ++month) {
        lines.push_back({NoonDeclinationDegrees(dial.year, month, 1, dial.place.longitude_east_degrees), month, 1, {}});
      }
      break;
  }
  const PlateAxes axes = AxesOf(dial.plate);
  std::vector<DateLine> reached;
  for (DateLine& line : lines) {
    if (line.month != 0 && dial.time == DialTime::kMean) {
      TraceClockDay(dial, axes, step_minutes, line);
    } else {
      TraceDeclination(dial, axes, step_minutes, line);
    }
    if (!line.runs.empty()) reached.push_back(std::move(line));
  }
  return reached;
}

}  // namespace sundial
