// SPDX-License-Identifier: MIT
// Hour lines: J. Meeus's worked examples (Astronomical Algorithms, 2nd ed., 1998,
// ch. 58, examples 58.a–c, pp. 404–405, as quoted by the example tests of a public
// port of the book's algorithms), the standard-time shift, the figures of eight
// against the noon mark, and the days a north wall gets no line.
#include "sundial/hour_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "sundial/noon_mark.h"
#include "sundial/year_days.h"

namespace {

using sundial::Dial;
using sundial::DialTime;
using sundial::HourLine;
using sundial::HourLinesOf;
using sundial::Plate;
using sundial::Refraction;

Dial MakeDial(double latitude, double longitude, Plate plate, DialTime time, int offset_hours = 0) {
  return {{latitude, longitude}, plate, time, offset_hours * 3600, 2026, Refraction::kNone};
}

const HourLine* LineAt(const std::vector<HourLine>& lines, int minutes) {
  const auto found = std::find_if(lines.begin(), lines.end(), [&](const HourLine& l) { return l.minutes == minutes; });
  return found == lines.end() ? nullptr : &*found;
}

std::string Hours(const std::vector<HourLine>& lines) {
  std::string text;
  for (const HourLine& line : lines) text += std::to_string(line.minutes / 60) + " ";
  return text;
}

TEST(HourLines, MeeusExamples) {
  // Meeus's D is our facing − 180°, his z our tilt; his a = 1, ours 1000 mm.
  const Plate example_a{50, 250, 1000};  // φ = +40°, D = 70°, z = 50°
  const Plate example_b{90, 340, 1000};  // φ = −35°, D = 160°, z = 90°
  const struct {
    const char* what;
    Plate plate;
    double latitude;
    int hour;
    double declination, x, y;
  } kCases[] = {
      {"58.a, 11h", example_a, 40, 11, -11.47, -2.0007, -1.1069},
      {"58.a, 14h", example_a, 40, 14, 23.44, -0.0390, -0.3615},
      {"58.b, 12h", example_b, -35, 12, 20.15, 0.3640, -0.7410},
      {"58.b, 15h", example_b, -35, 15, 0, -0.8439, -0.9298},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto lines = HourLinesOf(MakeDial(c.latitude, 0, c.plate, DialTime::kApparent), 60);
    const HourLine* line = LineAt(lines, c.hour * 60);
    ASSERT_NE(line, nullptr);
    const auto point = std::find_if(line->points.begin(), line->points.end(),
                                    [&](const auto& p) { return p.declination_degrees == c.declination; });
    ASSERT_NE(point, line->points.end());
    EXPECT_NEAR(point->point.x_mm, c.x * 1000, 0.05);
    EXPECT_NEAR(point->point.y_mm, c.y * 1000, 0.05);
  }

  // The hours each example draws. Meeus has no limit on a shadow's distance; ours
  // leaves out 9h of 58.a and 6h of 58.c, whose shadows all fall beyond 20 heights.
  const double kUnlimited = std::numeric_limits<double>::infinity();
  const struct {
    const char* what;
    Plate plate;
    double latitude, max_heights;
    const char* hours;
  } kHours[] = {
      {"58.a", example_a, 40, kUnlimited, "9 10 11 12 13 14 15 16 17 18 19 "},
      {"58.a within 20 heights", example_a, 40, 20, "10 11 12 13 14 15 16 17 18 19 "},
      {"58.c: φ = +40°, D = 160°, z = 75°", {75, 340, 1000}, 40, kUnlimited, "5 6 13 14 15 16 17 18 19 "},
      {"58.c within 20 heights", {75, 340, 1000}, 40, 20, "5 13 14 15 16 17 18 19 "},
  };
  for (const auto& c : kHours) {
    Dial dial = MakeDial(c.latitude, 0, c.plate, DialTime::kApparent);
    dial.max_distance_heights = c.max_heights;
    EXPECT_EQ(Hours(HourLinesOf(dial, 60)), c.hours) << c.what;
  }
}

TEST(HourLines, StandardTimeIsApparentTimeShiftedByTheLongitude) {
  const struct {
    const char* what;
    double longitude;
    int offset_hours;
    int shift_minutes;  // the standard line of t is the apparent line of t + shift
  } kCases[] = {
      {"7.5° east of the zone's meridian", 142.5, 9, 30},
      {"15° west of it", -90, -5, -60},
      {"on it", 15, 1, 0},
  };
  const Plate plate{90, 200, 100};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto standard = HourLinesOf(MakeDial(35, c.longitude, plate, DialTime::kStandard, c.offset_hours), 30);
    const auto apparent = HourLinesOf(MakeDial(35, c.longitude, plate, DialTime::kApparent), 30);
    ASSERT_FALSE(standard.empty());
    for (const HourLine& line : standard) {
      const HourLine* twin = LineAt(apparent, (line.minutes + c.shift_minutes + 1440) % 1440);
      ASSERT_NE(twin, nullptr) << line.minutes;
      ASSERT_EQ(line.points.size(), twin->points.size()) << line.minutes;
      for (std::size_t i = 0; i < line.points.size(); ++i) {
        EXPECT_NEAR(line.points[i].point.x_mm, twin->points[i].point.x_mm, 1e-9);
        EXPECT_NEAR(line.points[i].point.y_mm, twin->points[i].point.y_mm, 1e-9);
      }
    }
  }
}

TEST(HourLines, LabelsWholeHoursAndSummerTime) {
  const auto lines = HourLinesOf(MakeDial(0, 0, {0, 180, 100}, DialTime::kApparent), 15, 60);
  const HourLine* ten = LineAt(lines, 600);
  const HourLine* quarter_past = LineAt(lines, 615);
  ASSERT_NE(ten, nullptr);
  ASSERT_NE(quarter_past, nullptr);
  EXPECT_TRUE(ten->whole_hour);
  EXPECT_FALSE(quarter_past->whole_hour);
  EXPECT_EQ(ten->summer_minutes, 660);
  // At the equator the Sun is up from 6 to 18 h apparent; a floor shadow within 20
  // heights needs an altitude of 2.9°: the lines run from 06:15 to 17:45.
  EXPECT_EQ(lines.front().minutes, 375);
  EXPECT_EQ(lines.back().minutes, 1065);
  EXPECT_FALSE(HourLinesOf(MakeDial(0, 0, {0, 180, 100}, DialTime::kApparent), 60).front().summer_minutes);
}

TEST(HourLines, FiguresOfEightAreTheNoonMarksDays) {
  const struct {
    const char* what;
    double latitude, longitude;
    int offset_hours, clock_minutes;
    sundial::Surface surface;
    Plate plate;
  } kCases[] = {
      {"floor, Tokyo 12:00", 35.68, 139.77, 9, 720, sundial::Surface::kFloor, {0, 180, 1000}},
      {"south wall, Berlin 14:00", 52.52, 13.4, 1, 840, sundial::Surface::kWallFacingSouth, {90, 180, 1000}},
      // Both in the plate's own axes: x to the right of a person facing the wall, west.
      {"north wall, Sydney 12:00", -33.87, 151.21, 10, 720, sundial::Surface::kWallFacingNorth, {90, 0, 1000}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Dial dial = MakeDial(c.latitude, c.longitude, c.plate, DialTime::kMean, c.offset_hours);
    dial.refraction = Refraction::kStandard;
    const auto lines = HourLinesOf(dial, 60);
    const HourLine* line = LineAt(lines, c.clock_minutes);
    ASSERT_NE(line, nullptr);
    const sundial::NoonMark mark = sundial::MakeNoonMark({{c.latitude, c.longitude}, c.offset_hours * 3600,
                                                          c.clock_minutes, 2026, 1000, c.surface, Refraction::kStandard});
    // Every noon-mark day once, the solstice days twice (they end one half and
    // start the other).
    std::vector<sundial::DayPoint> days;
    for (const auto* half : {&line->december_to_june, &line->june_to_december}) {
      for (const auto& run : *half) days.insert(days.end(), run.begin(), run.end());
    }
    ASSERT_EQ(days.size(), mark.days.size() + 2);
    for (const auto& expected : mark.days) {
      const auto found = std::find_if(days.begin(), days.end(),
                                      [&](const auto& d) { return d.month == expected.month && d.day == expected.day; });
      ASSERT_NE(found, days.end()) << expected.month << "-" << expected.day;
      EXPECT_NEAR(found->point.x_mm, expected.shadow.x_mm, 1e-9);
      EXPECT_NEAR(found->point.y_mm, expected.shadow.y_mm, 1e-9);
    }
    // The halves turn at the noon mark's solstice days.
    auto season = [&](sundial::Season s) {
      const auto it = std::find_if(mark.seasons.begin(), mark.seasons.end(), [&](const auto& d) { return d.season == s; });
      return it->month * 100 + it->day;
    };
    const auto& june_to_december = line->june_to_december;
    const auto& december_to_june = line->december_to_june;
    ASSERT_EQ(june_to_december.size(), 1u);
    ASSERT_EQ(december_to_june.size(), 1u);
    EXPECT_EQ(june_to_december.front().front().month * 100 + june_to_december.front().front().day,
              season(sundial::Season::kJuneSolstice));
    EXPECT_EQ(june_to_december.back().back().month * 100 + june_to_december.back().back().day,
              season(sundial::Season::kDecemberSolstice));
    EXPECT_EQ(december_to_june.front().front().month * 100 + december_to_june.front().front().day,
              season(sundial::Season::kDecemberSolstice));
    EXPECT_EQ(december_to_june.back().back().month * 100 + december_to_june.back().back().day,
              season(sundial::Season::kJuneSolstice));
  }
}

TEST(HourLines, NorthWallHasNoLinesInTheWinterHalf) {
  // At 50° N the Sun comes round in front of a north wall only when it rises north
  // of east: from the March to the September equinox, in the early morning and
  // the evening.
  for (const DialTime time : {DialTime::kApparent, DialTime::kMean}) {
    SCOPED_TRACE(time == DialTime::kMean ? "mean" : "apparent");
    const Dial dial = MakeDial(50, 0, {90, 0, 100}, time);
    const auto lines = HourLinesOf(dial, 60);
    ASSERT_FALSE(lines.empty());
    for (const HourLine& line : lines) EXPECT_TRUE(line.minutes < 9 * 60 || line.minutes > 15 * 60) << line.minutes;
    const auto unlit = sundial::DaysWithoutLines(dial, lines);
    ASSERT_EQ(unlit.size(), 2u);
    EXPECT_EQ(unlit[0].first_month * 100 + unlit[0].first_day, 101);
    EXPECT_EQ(unlit[0].last_month, 3);
    EXPECT_GE(unlit[0].last_day, 20);
    EXPECT_EQ(unlit[1].first_month, 9);
    EXPECT_LE(unlit[1].first_day, 26);
    EXPECT_EQ(unlit[1].last_month * 100 + unlit[1].last_day, 1231);
    // A south wall there has lines every day.
    const Dial south = MakeDial(50, 0, {90, 180, 100}, time);
    EXPECT_TRUE(sundial::DaysWithoutLines(south, HourLinesOf(south, 60)).empty());
  }
}

}  // namespace

namespace {

// Every day at every clock time whose Sun throws the shadow on the plate is on its
// figure of eight: no line is left out for the night, or for a Sun behind the plate
// or too low on it, while it lights the plate, under the midnight Sun, at the
// horizon's refraction and at the edge of a short reach too.
TEST(HourLines, FiguresOfEightMissNoDayTheSunLights) {
  const struct {
    const char* what;
    double latitude, longitude;
    int offset_hours;
    double tilt, facing;
    int16_t year;
    double reach;  // heights
  } kCases[] = {
      {"floor at 70 N under the midnight Sun", 70, 20, 1, 0, 180, 2026, 20},
      {"floor at 66 S", -66, 140, 10, 0, 180, 1950, 20},
      {"wall facing east at the equator", 0, 0, 0, 90, 90, 2100, 20},
      {"ceiling-like plate at 35 N", 35, 135, 9, 150, 200, 1900, 20},
      {"floor at 35 N, 3 heights", 35.68, 139.77, 9, 0, 180, 2026, 3},
      {"wall facing 220 at 52 N, 3 heights", 52, -1, 0, 90, 220, 2026, 3},
      {"north wall at 50 N, 3 heights", 50, 8.7, 1, 90, 0, 2026, 3},
      {"plate tilted 120 facing 100 at 20 S, 2 heights", -20, 45, 3, 120, 100, 2050, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Dial dial{};
    dial.place = {c.latitude, c.longitude};
    dial.plate = {c.tilt, c.facing, 100};
    dial.time = DialTime::kMean;
    dial.standard_offset_seconds = c.offset_hours * 3600;
    dial.year = c.year;
    dial.refraction = Refraction::kStandard;
    dial.max_distance_heights = c.reach;
    const std::vector<HourLine> lines = HourLinesOf(dial, 60);
    const sundial::PlateAxes axes = sundial::AxesOf(dial.plate);
    int lit = 0;
    for (int minutes = 0; minutes < 1440; minutes += 60) {
      const auto line = std::find_if(lines.begin(), lines.end(), [&](const HourLine& l) { return l.minutes == minutes; });
      for (const auto& [month, day] : sundial::DaysOfYear(dial.year)) {
        const sundial::SunDirection sun = sundial::SunDirectionAt(dial.place, dial.year, month, day,
                                                                  minutes / 60.0 - c.offset_hours, dial.refraction);
        if (!(sun.altitude_degrees > 0) ||
            !sundial::ShadowOnPlate(axes, 100, sundial::SunVector(sun.altitude_degrees, sun.azimuth_degrees),
                                    c.reach)) {
          continue;
        }
        ++lit;
        ASSERT_NE(line, lines.end()) << minutes << " min, " << month << "/" << day;
        bool found = false;
        for (const auto* half : {&line->december_to_june, &line->june_to_december}) {
          for (const auto& run : *half) {
            found = found || std::any_of(run.begin(), run.end(),
                                         [&](const auto& d) { return d.month == month && d.day == day; });
          }
        }
        EXPECT_TRUE(found) << minutes << " min, " << month << "/" << day;
      }
    }
    EXPECT_GT(lit, 100);
  }
}

}  // namespace
