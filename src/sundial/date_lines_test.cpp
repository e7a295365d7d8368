// SPDX-License-Identifier: MIT
// Date lines: the equinox's straight line on a floor, every point on its
// declination's cone round the axis, the points where the hour lines cross, and a
// north wall's summer line broken at noon.
#include "sundial/date_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "sundial/hour_lines.h"

namespace {

using sundial::DateLine;
using sundial::DateLinesOf;
using sundial::DateLineSet;
using sundial::Dial;
using sundial::DialTime;
using sundial::Plate;
using sundial::Refraction;

constexpr double kDegree = std::numbers::pi / 180;

Dial MakeDial(double latitude, double longitude, Plate plate, DialTime time, int offset_hours = 0) {
  return {{latitude, longitude}, plate, time, offset_hours * 3600, 2026, Refraction::kNone};
}

const sundial::TimedPoint* PointAt(const DateLine& line, double hours) {
  for (const auto& run : line.runs) {
    for (const auto& p : run) {
      if (std::fabs(p.time_hours - hours) < 1e-9) return &p;
    }
  }
  return nullptr;
}

TEST(DateLines, EquinoxOnAFloorIsAStraightLineTowardsThePole) {
  for (const double latitude : {35.0, -35.0}) {
    SCOPED_TRACE(latitude);
    const auto lines = DateLinesOf(MakeDial(latitude, 0, {0, 180, 100}, DialTime::kApparent), DateLineSet::kSeasons);
    ASSERT_EQ(lines.size(), 3u);
    const DateLine& equinox = lines[1];
    EXPECT_EQ(equinox.declination_degrees, 0);
    ASSERT_EQ(equinox.runs.size(), 1u);
    EXPECT_GT(equinox.runs[0].size(), 100u);  // 5-minute steps over most of 12 hours
    for (const auto& p : equinox.runs[0]) EXPECT_NEAR(p.point.y_mm, 100 * std::tan(latitude * kDegree), 1e-9);
  }
}

TEST(DateLines, EveryPointLiesOnItsDeclinationsCone) {
  // The ray from a point to the nodus makes 90° − δ with the axis.
  std::mt19937 random(11);
  std::uniform_real_distribution<double> latitude(-66, 66), tilt(0, 175), facing(0, 360);
  int checked = 0;
  for (int i = 0; i < 60; ++i) {
    const Dial dial = MakeDial(latitude(random), 0, {tilt(random), facing(random), 100}, DialTime::kApparent);
    const sundial::PlateAxes axes = sundial::AxesOf(dial.plate);
    const double phi = dial.place.latitude_degrees * kDegree;
    const sundial::LocalVector pole{0, std::cos(phi), std::sin(phi)};
    for (const DateLine& line : DateLinesOf(dial, DateLineSet::kZodiac, 20)) {
      for (const auto& run : line.runs) {
        for (const auto& p : run) {
          const sundial::LocalVector& x = axes.x;
          const sundial::LocalVector& y = axes.y;
          const sundial::LocalVector& n = axes.normal;
          const double a = dial.plate.height_mm;
          const sundial::LocalVector ray{a * n.east - p.point.x_mm * x.east - p.point.y_mm * y.east,
                                         a * n.north - p.point.x_mm * x.north - p.point.y_mm * y.north,
                                         a * n.up - p.point.x_mm * x.up - p.point.y_mm * y.up};
          const double length = std::sqrt(sundial::Dot(ray, ray));
          EXPECT_NEAR(sundial::Dot(ray, pole) / length, std::sin(line.declination_degrees * kDegree), 1e-12);
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 2000);
}

TEST(DateLines, PointsAtTheHourLinesTimesAreTheHourLinesPoints) {
  const struct {
    const char* what;
    DialTime time;
    double longitude;
    int offset_hours;
  } kCases[] = {
      {"apparent", DialTime::kApparent, 139.77, 9},
      {"standard, 4.77° east of the zone's meridian", DialTime::kStandard, 139.77, 9},
      {"standard, 30° west of it", DialTime::kStandard, -105, -5},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const Dial dial = MakeDial(35.68, c.longitude, {70, 160, 100}, c.time, c.offset_hours);
    const auto dates = DateLinesOf(dial, DateLineSet::kZodiac, 10);
    int met = 0;
    for (const auto& hour_line : sundial::HourLinesOf(dial, 60)) {
      for (const auto& point : hour_line.points) {
        const auto line = std::find_if(dates.begin(), dates.end(), [&](const DateLine& d) {
          return d.declination_degrees == point.declination_degrees;
        });
        ASSERT_NE(line, dates.end());
        const sundial::TimedPoint* on_date = PointAt(*line, hour_line.minutes / 60.0);
        ASSERT_NE(on_date, nullptr) << hour_line.minutes << " " << point.declination_degrees;
        EXPECT_NEAR(on_date->point.x_mm, point.point.x_mm, 1e-9);
        EXPECT_NEAR(on_date->point.y_mm, point.point.y_mm, 1e-9);
        ++met;
      }
    }
    EXPECT_GT(met, 40);
  }
}

TEST(DateLines, MeanTimeMonthsRunThroughTheFiguresOfEight) {
  Dial dial = MakeDial(52.52, 13.4, {90, 190, 100}, DialTime::kMean, 1);
  dial.refraction = Refraction::kStandard;
  const auto months = DateLinesOf(dial, DateLineSet::kMonths, 30);
  ASSERT_EQ(months.size(), 12u);
  int met = 0;
  for (const auto& hour_line : sundial::HourLinesOf(dial, 60)) {
    for (const auto* half : {&hour_line.december_to_june, &hour_line.june_to_december}) {
      for (const auto& run : *half) {
        for (const auto& day : run) {
          if (day.day != 1) continue;
          const sundial::TimedPoint* on_date = PointAt(months[day.month - 1], hour_line.minutes / 60.0);
          ASSERT_NE(on_date, nullptr) << day.month << " " << hour_line.minutes;
          EXPECT_EQ(on_date->point.x_mm, day.point.x_mm);
          EXPECT_EQ(on_date->point.y_mm, day.point.y_mm);
          ++met;
        }
      }
    }
  }
  EXPECT_GT(met, 80);
}

TEST(DateLines, NorthWallsSummerLineBreaksWhileTheSunIsSouth) {
  // At 50° N in June the Sun stands in front of a north wall until it crosses the
  // east point's vertical, cos H = tan δ / tan φ: 4 h 34 min before noon, and
  // after the same time past it; the equinox and winter lines never reach the wall.
  const auto lines = DateLinesOf(MakeDial(50, 0, {90, 0, 100}, DialTime::kApparent), DateLineSet::kSeasons);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].declination_degrees, 23.44);
  ASSERT_EQ(lines[0].runs.size(), 2u);
  const auto& morning = lines[0].runs[0];
  const auto& evening = lines[0].runs[1];
  EXPECT_LT(morning.back().time_hours, 12 - (4 + 34 / 60.0));
  EXPECT_GT(evening.front().time_hours, 12 + (4 + 34 / 60.0));
  for (const auto& run : {morning, evening}) {
    EXPECT_TRUE(std::is_sorted(run.begin(), run.end(),
                               [](const auto& a, const auto& b) { return a.time_hours < b.time_hours; }));
  }
}

}  // namespace
