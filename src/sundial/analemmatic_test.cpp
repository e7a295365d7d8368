// SPDX-License-Identifier: MIT
// The analemmatic dial: its hour points and date scale by hand, the hours the Sun
// can be up for, and a person's shadow reading the Sun's hour angle in both
// hemispheres.
#include "sundial/analemmatic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using sundial::AnalemmaticInput;
using sundial::MakeAnalemmaticDial;

constexpr double kDegree = std::numbers::pi / 180;

TEST(Analemmatic, HourPointsAndDateScaleByHand) {
  const double r = std::sqrt(0.5);
  const struct {
    const char* what;
    AnalemmaticInput input;
    int clock_minutes;
    double x, y;  // metres
  } kCases[] = {
      {"noon at 45 N", {{45, 0}, 0, 2, 2026}, 720, 0, 2 * r},
      {"15:00 at 45 N", {{45, 0}, 0, 2, 2026}, 900, 2 * r, 2 * r * r},
      {"09:00 at 45 N: west", {{45, 0}, 0, 2, 2026}, 540, -2 * r, 2 * r * r},
      {"noon 7.5° east of the zone's meridian: H = 7.5°", {{45, 7.5}, 0, 2, 2026}, 720, 2 * std::sin(7.5 * kDegree),
       2 * r * std::cos(7.5 * kDegree)},
      {"noon at 45 S: south of the centre", {{-45, 0}, 0, 2, 2026}, 720, 0, -2 * r},
      {"09:00 at 45 S: still west", {{-45, 0}, 0, 2, 2026}, 540, -2 * r, -2 * r * r},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto dial = MakeAnalemmaticDial(c.input);
    EXPECT_NEAR(dial.semi_minor_m, 2 * r, 1e-12);
    const auto hour = std::find_if(dial.hours.begin(), dial.hours.end(),
                                   [&](const auto& h) { return h.clock_minutes == c.clock_minutes; });
    ASSERT_NE(hour, dial.hours.end());
    EXPECT_NEAR(hour->point.x_m, c.x, 1e-12);
    EXPECT_NEAR(hour->point.y_m, c.y, 1e-12);
    // June north of the centre in both hemispheres: y = M cos φ tan δ.
    ASSERT_EQ(dial.dates.size(), 16u);
    for (const auto& date : dial.dates) {
      EXPECT_NEAR(date.y_m, 2 * r * std::tan(date.declination_degrees * kDegree), 1e-12);
      if (date.kind == sundial::DateMarkKind::kJuneSolstice) {
        EXPECT_EQ(date.month, 6);
        EXPECT_NEAR(date.declination_degrees, 23.44, 0.01);
      }
    }
  }
}

TEST(Analemmatic, HoursWhileTheSunCanBeUp) {
  const struct {
    const char* what;
    double latitude;
    int first_minutes, last_minutes, count;
  } kCases[] = {
      // The Sun is up at |H| < 90° at the equator whatever δ: 06:30..17:30.
      {"equator", 0, 390, 1050, 23},
      // At 50°, cos H > −tan 50° tan 23.44° = −0.517: |H| < 121.1°, 03:55..20:04.
      {"50 N", 50, 240, 1200, 33},
      {"50 S", -50, 240, 1200, 33},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto dial = MakeAnalemmaticDial({{c.latitude, 0}, 0, 1, 2026});
    ASSERT_FALSE(dial.hours.empty());
    EXPECT_EQ(dial.hours.front().clock_minutes, c.first_minutes);
    EXPECT_EQ(dial.hours.back().clock_minutes, c.last_minutes);
    EXPECT_EQ(static_cast<int>(dial.hours.size()), c.count);
    for (const auto& hour : dial.hours) EXPECT_EQ(hour.half_hour, hour.clock_minutes % 60 == 30);
  }
}

TEST(Analemmatic, PersonsShadowPointsAtTheSunsHourInBothHemispheres) {
  const struct {
    const char* where;
    AnalemmaticInput input;
    int month, day;
    bool two_possible;  // the Sun between the zenith and the tropic: one azimuth twice a morning
  } kCases[] = {
      {"Sydney, January", {{-33.87, 151.21}, 10 * 3600, 3, 2026}, 1, 15, false},
      {"Sydney, June", {{-33.87, 151.21}, 10 * 3600, 3, 2026}, 6, 21, false},
      {"Cape Town, September", {{-33.92, 18.42}, 2 * 3600, 2.5, 2026}, 9, 30, false},
      {"Berlin, December", {{52.52, 13.405}, 1 * 3600, 4, 2026}, 12, 21, false},
      {"10° S, the stance outside the ellipse", {{-10.18, -78.47}, -5 * 3600, 3, 2026}, 12, 21, true},
  };
  int read = 0;
  for (const auto& c : kCases) {
    int two = 0;  // readings with a second, also sunlit, hour point on the shadow
    for (double ut = 0; ut < 24; ut += 0.75) {
      const auto sun = sundial::SunDirectionAt(c.input.place, c.input.year, c.month, c.day, ut,
                                               sundial::Refraction::kNone);
      if (sun.altitude_degrees < 5) continue;
      SCOPED_TRACE(testing::Message() << c.where << " " << ut << " h UT");
      const double stance = sundial::AnalemmaticStanceY(c.input, sun.declination_degrees);
      const auto readings = sundial::AnalemmaticReadings(c.input, stance, sun.azimuth_degrees + 180);
      ASSERT_FALSE(readings.empty());
      const bool ambiguous = readings.size() > 1;
      double nearest = 360;
      for (const double h : readings) nearest = std::fmin(nearest, std::fabs(std::remainder(h - sun.hour_angle_degrees, 360.0)));
      EXPECT_NEAR(nearest, 0, 1e-6);
      ++read;
      two += ambiguous;
    }
    if (c.two_possible) {
      EXPECT_GT(two, 0) << c.where;
    } else {
      EXPECT_EQ(two, 0) << c.where;
    }
  }
  EXPECT_GT(read, 50);
}

}  // namespace
