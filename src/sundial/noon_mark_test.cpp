// SPDX-License-Identifier: MIT
// The noon mark against PyEphem 4.1.4 (geometric altitude and azimuth of the Sun,
// pressure 0, at the clock time less the zone's offset) and against the instants
// of the 2026 solstices and equinoxes it gives; the meridian by its geometry.
#include "sundial/noon_mark.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace {

using sundial::MakeNoonMark;
using sundial::NoonMark;
using sundial::NoonMarkInput;
using sundial::Refraction;
using sundial::Season;
using sundial::Surface;

NoonMarkInput Input(double latitude, double longitude, int offset_hours, int clock_minutes, int16_t year,
                    Surface surface = Surface::kFloor) {
  return {{latitude, longitude}, offset_hours * 3600, clock_minutes, year, 1000, surface, Refraction::kNone};
}

const sundial::NoonMarkDay* DayOf(const NoonMark& mark, int month, int day) {
  const auto found =
      std::find_if(mark.days.begin(), mark.days.end(), [&](const auto& d) { return d.month == month && d.day == day; });
  return found == mark.days.end() ? nullptr : &*found;
}

TEST(NoonMark, SunDirectionMatchesAnEphemeris) {
  const struct {
    const char* place;
    double latitude, longitude;
    int offset_hours, clock_minutes;
    int16_t year;
    int month, day;
    double altitude, azimuth;  // PyEphem, degrees
  } kCases[] = {
      {"Tokyo", 35.6812, 139.7671, 9, 720, 2026, 1, 1, 31.1924, 184.2183},
      {"Tokyo", 35.6812, 139.7671, 9, 720, 2026, 2, 11, 40.2527, 181.5551},
      {"Tokyo", 35.6812, 139.7671, 9, 720, 2026, 5, 1, 68.7947, 194.7894},
      {"Tokyo", 35.6812, 139.7671, 9, 720, 2026, 11, 3, 38.5904, 190.9943},
      {"Sydney", -33.8688, 151.2093, 10, 720, 2026, 1, 15, 77.2388, 4.6589},
      {"Sydney", -33.8688, 151.2093, 10, 720, 2026, 6, 21, 32.6867, 359.1521},
      // 08:00 at UTC+14 is 18:00 UT of the day before.
      {"Kiritimati", 1.8721, -157.4278, 14, 480, 2026, 3, 1, 18.9970, 98.8668},
      {"Kiritimati", 1.8721, -157.4278, 14, 480, 2026, 9, 1, 22.5362, 81.6399},
      {"Quito 15:30", -0.1807, -78.4678, -5, 930, 1900, 4, 10, 40.7746, 280.7691},
      {"Reykjavik 13:00", 64.1466, -21.9426, 0, 780, 2100, 6, 21, 48.9841, 169.5589},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.place << " " << c.year << "-" << c.month << "-" << c.day);
    const NoonMark mark = MakeNoonMark(Input(c.latitude, c.longitude, c.offset_hours, c.clock_minutes, c.year));
    const sundial::NoonMarkDay* day = DayOf(mark, c.month, c.day);
    ASSERT_NE(day, nullptr);
    EXPECT_NEAR(day->altitude_degrees, c.altitude, 0.03);
    EXPECT_NEAR(day->azimuth_degrees, c.azimuth, 0.03 / std::cos(c.altitude * std::numbers::pi / 180));
  }
}

TEST(NoonMark, SeasonsAreTheDaysNearestTheEphemerisInstants) {
  // PyEphem: 2026-03-20 14:46, 06-21 08:25, 09-23 00:05, 12-21 20:50 UT. Rows
  // whose instant lies near the middle between two days are left out.
  const struct {
    const char* what;
    int offset_hours, clock_minutes;
    Season season;
    int month, day;
  } kCases[] = {
      {"12:00 UT", 0, 720, Season::kMarchEquinox, 3, 20},      {"12:00 UT", 0, 720, Season::kJuneSolstice, 6, 21},
      {"12:00 UT", 0, 720, Season::kDecemberSolstice, 12, 21}, {"03:00 UT", 9, 720, Season::kJuneSolstice, 6, 21},
      {"03:00 UT", 9, 720, Season::kSeptemberEquinox, 9, 23},  {"03:00 UT", 9, 720, Season::kDecemberSolstice, 12, 22},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const NoonMark mark = MakeNoonMark(Input(35, 135, c.offset_hours, c.clock_minutes, 2026));
    ASSERT_EQ(mark.seasons.size(), 4u);
    const auto found =
        std::find_if(mark.seasons.begin(), mark.seasons.end(), [&](const auto& s) { return s.season == c.season; });
    ASSERT_NE(found, mark.seasons.end());
    EXPECT_EQ(found->month * 100 + found->day, c.month * 100 + c.day);
  }
}

TEST(NoonMark, MeridianRunsThroughTheFootAndTheDaysOmitWhatCannotBeDrawn) {
  const struct {
    const char* what;
    double latitude;
    Surface surface;
    int days_with_a_point;  // by the geometry: Sun low (floor), behind the wall
  } kCases[] = {
      // At 35° the Sun at noon stands 31.4°..78.2° high: every day on the floor.
      {"floor at 35 N", 35, Surface::kFloor, 365},
      {"floor at 35 S", -35, Surface::kFloor, 365},
      // At 66° the noon Sun stands below 2.87° (20 heights) in the weeks around the
      // December solstice.
      {"floor at 66 N", 66, Surface::kFloor, -1},
      // At 10° the summer Sun stands north of the zenith, behind a south wall.
      {"south wall at 10 N", 10, Surface::kWallFacingSouth, -1},
      {"north wall at 35 S", -35, Surface::kWallFacingNorth, 365},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const NoonMark mark = MakeNoonMark(Input(c.latitude, 0, 0, 720, 2026, c.surface));
    if (c.days_with_a_point > 0) {
      EXPECT_EQ(static_cast<int>(mark.days.size()), c.days_with_a_point);
    } else {
      EXPECT_LT(mark.days.size(), 365u);
      EXPECT_GT(mark.days.size(), 100u);
    }
    ASSERT_FALSE(mark.meridian.empty());
    for (const auto& point : mark.meridian) EXPECT_NEAR(point.shadow.x_mm, 0, 1e-3) << point.month << "-" << point.day;
  }
  // With δ = 0 at noon the floor's shadow lies h·tan φ from the foot, towards the pole.
  const NoonMark equinox = MakeNoonMark(Input(35, 0, 0, 720, 2026));
  const auto march = std::find_if(equinox.meridian.begin(), equinox.meridian.end(),
                                  [](const auto& d) { return d.month == 3 && d.day == 20; });
  ASSERT_NE(march, equinox.meridian.end());
  EXPECT_NEAR(march->shadow.y_mm, 1000 * std::tan(35 * std::numbers::pi / 180), 1000 * 0.002);
}

// On the floor and the two walls the plate's shadow is NodusShadow's to the bit,
// x running the other way on a wall facing north (the plate's x is to the right
// of a person facing the wall: west). The sheets and the CSV rest on this.
TEST(NoonMark, FloorsAndWallsKeepTheirShadowsOnThePlate) {
  const struct {
    const char* what;
    double latitude, longitude;
    int offset_hours, clock_minutes;
    Surface surface;
    double x_sense;
  } kCases[] = {
      {"Tokyo floor", 35.6812, 139.7671, 9, 720, Surface::kFloor, 1},
      {"Tokyo wall", 35.6812, 139.7671, 9, 720, Surface::kWallFacingSouth, 1},
      {"Berlin wall at 15:40", 52.52, 13.405, 1, 940, Surface::kWallFacingSouth, 1},
      {"Sydney wall", -33.8688, 151.2093, 10, 720, Surface::kWallFacingNorth, -1},
      {"Sydney wall at 08:10", -33.8688, 151.2093, 10, 490, Surface::kWallFacingNorth, -1},
      {"Reykjavik floor", 64.1466, -21.9426, 0, 780, Surface::kFloor, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    NoonMarkInput input = Input(c.latitude, c.longitude, c.offset_hours, c.clock_minutes, 2026, c.surface);
    input.refraction = Refraction::kStandard;
    const NoonMark mark = MakeNoonMark(input);
    std::size_t with_a_point = 0;
    for (const auto& [month, day] : sundial::DaysOfYear(2026)) {
      const sundial::SunDirection sun = sundial::SunDirectionAt(input.place, 2026, month, day,
                                                                c.clock_minutes / 60.0 - c.offset_hours,
                                                                Refraction::kStandard);
      const auto expected = sundial::NodusShadow(sun.altitude_degrees, sun.azimuth_degrees, 1000, c.surface);
      const sundial::NoonMarkDay* got = DayOf(mark, month, day);
      ASSERT_EQ(got != nullptr, expected.has_value()) << month << "-" << day;
      if (!got) continue;
      ++with_a_point;
      EXPECT_EQ(got->shadow.x_mm, c.x_sense * expected->x_mm) << month << "-" << day;
      EXPECT_EQ(got->shadow.y_mm, expected->y_mm) << month << "-" << day;
    }
    EXPECT_EQ(with_a_point, mark.days.size());
    EXPECT_GT(with_a_point, 100u);
  }
}

// A plate of any tilt and facing has a point on the days the Sun stands above the
// horizon, in front of it and high enough over it; the counts and the dates
// without a point are PyEphem's (geometric Sun at the clock time, the same rule),
// to a day at the edges.
TEST(NoonMark, APlateOfAnyFacingHasTheDaysTheSunStandsBeforeIt) {
  const struct {
    const char* what;
    double latitude, longitude;
    int offset_hours, clock_minutes;
    std::optional<sundial::PlateOrientation> orientation;
    Surface surface;
    int days;
    std::vector<std::pair<const char*, const char*>> without;  // MM-DD
  } kCases[] = {
      {"Tokyo, wall facing 243.8 at 14:30", 35.6812, 139.7671, 9, 870, {{90, 243.8}}, Surface::kFloor, 365, {}},
      {"Tokyo, wall facing east at 12:00", 35.6812, 139.7671, 9, 720, {{90, 90}}, Surface::kFloor, 0, {{"01-01", "12-31"}}},
      {"Berlin, plate tilted 30 facing 200 at 13:00", 52.52, 13.405, 1, 780, {{30, 200}}, Surface::kFloor, 365, {}},
      {"Berlin, wall facing 300 at 17:00", 52.52, 13.405, 1, 1020, {{90, 300}}, Surface::kFloor, 251,
       {{"01-01", "02-08"}, {"10-18", "12-31"}}},
      {"Sydney, wall facing north at 09:00", -33.8688, 151.2093, 10, 540, {{90, 0}}, Surface::kFloor, 339,
       {{"01-01", "01-09"}, {"12-15", "12-31"}}},
      {"Tokyo, plate facing down at 150 at 12:00", 35.6812, 139.7671, 9, 720, {{150, 180}}, Surface::kFloor, 0,
       {{"01-01", "12-31"}}},
      // The equator-facing walls of --surface lose the days the noon Sun stands
      // behind them, inside the tropics.
      {"1 N, south wall at 12:00", 1.0, 0, 0, 720, std::nullopt, Surface::kWallFacingSouth, 169, {{"03-16", "09-27"}}},
      {"Honolulu, south wall at 12:00", 21.3069, -157.8583, -10, 720, std::nullopt, Surface::kWallFacingSouth, 285,
       {{"05-12", "07-30"}}},
  };
  auto date = [](const sundial::CalendarDay& d) {
    return (d.month < 10 ? "0" : "") + std::to_string(d.month) + (d.day < 10 ? "-0" : "-") + std::to_string(d.day);
  };
  auto near = [&](const sundial::CalendarDay& d, const char* expected) {
    const int m = std::stoi(std::string(expected).substr(0, 2));
    const int day = std::stoi(std::string(expected).substr(3, 2));
    return std::abs((d.month * 31 + d.day) - (m * 31 + day)) <= 1;
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    NoonMarkInput input = Input(c.latitude, c.longitude, c.offset_hours, c.clock_minutes, 2026, c.surface);
    input.orientation = c.orientation;
    const NoonMark mark = MakeNoonMark(input);
    EXPECT_NEAR(static_cast<int>(mark.days.size()), c.days, 1);
    const auto without = sundial::DaysWithoutShadow(mark);
    ASSERT_EQ(without.size(), c.without.size());
    int missing = 0;
    for (std::size_t i = 0; i < without.size(); ++i) {
      EXPECT_TRUE(near(without[i].first, c.without[i].first)) << date(without[i].first);
      EXPECT_TRUE(near(without[i].last, c.without[i].second)) << date(without[i].last);
      missing += without[i].days;
    }
    EXPECT_EQ(missing + static_cast<int>(mark.days.size()), 365);
  }
}

}  // namespace
