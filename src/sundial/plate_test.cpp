// SPDX-License-Identifier: MIT
// The plate's shadows: the floor and walls NodusShadow already draws, and tilted
// plates worked by hand.
#include "sundial/plate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sundial/plate_sunlight.h"

namespace {

using sundial::Plate;
using sundial::PlateShadow;
using sundial::Surface;

constexpr double kDegree = std::numbers::pi / 180;

TEST(PlateShadow, FloorAndWallsAreNodusShadowsPoints) {
  const struct {
    const char* what;
    Surface surface;
    Plate plate;
    double x_sense;  // the plate's x against NodusShadow's (east on both walls)
  } kSurfaces[] = {
      {"floor", Surface::kFloor, {0, 37, 250}, 1},  // a floor's facing is ignored
      {"south wall", Surface::kWallFacingSouth, {90, 180, 250}, 1},
      {"north wall, seen from in front: x west", Surface::kWallFacingNorth, {90, 0, 250}, -1},
  };
  for (const auto& s : kSurfaces) {
    int points = 0;
    for (double altitude = -5; altitude <= 90; altitude += 2.5) {
      for (double azimuth = 0; azimuth < 360; azimuth += 7.5) {
        SCOPED_TRACE(testing::Message() << s.what << ", Sun at " << altitude << "° " << azimuth << "°");
        const auto expected = sundial::NodusShadow(altitude, azimuth, s.plate.height_mm, s.surface);
        const auto point = PlateShadow(s.plate, altitude, azimuth);
        ASSERT_EQ(point.has_value(), expected.has_value());
        if (!point) continue;
        ++points;
        EXPECT_EQ(point->x_mm, s.x_sense * expected->x_mm);
        EXPECT_EQ(point->y_mm, expected->y_mm);
      }
    }
    EXPECT_GT(points, 200) << s.what;
  }
}

TEST(PlateShadow, TiltedPlatesWorkedByHand) {
  constexpr double kNone = NAN;
  const double t50 = std::tan(50 * kDegree);
  const struct {
    const char* what;
    Plate plate;
    double altitude, azimuth, x, y;  // x, y in heights; NaN: no point
  } kCases[] = {
      {"east wall, Sun due east at 45°: straight below", {90, 90, 1}, 45, 90, 0, -1},
      {"east wall, Sun east-north-east on the horizon's side: towards the south", {90, 90, 1}, 1e-9, 45, -1, 0},
      {"west wall, Sun in the south-west at 45°", {90, 270, 1}, 45, 225, -1, -std::sqrt(2.0)},
      {"roof facing south at 30°, Sun along its normal", {30, 180, 1}, 60, 180, 0, 0},
      {"roof facing east at 30°, Sun along its normal", {30, 90, 1}, 60, 90, 0, 0},
      // Leaning forward 30° past vertical: the normal looks 30° below the horizon, the
      // Sun stands 50° above it in the same vertical plane; the shadow lies
      // tan 50° heights down the slope.
      {"south plate leaning forward, noon Sun at 20°", {120, 180, 1}, 20, 180, 0, -t50},
      {"ceiling", {180, 180, 1}, 45, 0, kNone, kNone},
      {"roof facing north at 30°, Sun 25° in the south: behind", {30, 0, 1}, 25, 180, kNone, kNone},
      {"east wall, Sun due west", {90, 90, 1}, 30, 270, kNone, kNone},
  };
  for (const double height : {1.0, 480.0}) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.what << ", height " << height);
      Plate plate = c.plate;
      plate.height_mm = height;
      const auto point = PlateShadow(plate, c.altitude, c.azimuth);
      if (std::isnan(c.x)) {
        EXPECT_FALSE(point.has_value());
        continue;
      }
      ASSERT_TRUE(point.has_value());
      EXPECT_NEAR(point->x_mm, c.x * height, 1e-6 * height);
      EXPECT_NEAR(point->y_mm, c.y * height, 1e-6 * height);
    }
  }
}

TEST(PlateSunlight, NamesPlatesTheSunCannotReach) {
  using sundial::PlateSunlight;
  const struct {
    const char* what;
    Plate plate;
    double latitude;
    PlateSunlight expected;
  } kCases[] = {
      {"floor", {0, 180, 100}, 50, PlateSunlight::kLit},
      {"north wall at 50 N: summer mornings and evenings", {90, 0, 100}, 50, PlateSunlight::kLit},
      {"ceiling", {180, 0, 100}, 50, PlateSunlight::kFacesStraightDown},
      // 10° short of facing down, towards the pole: the June Sun just after sunrise
      // stands in front, s·n up to 0.11, shadows about 9 heights away.
      {"north plate 10° short of the ground", {170, 0, 100}, 50, PlateSunlight::kLit},
      // 2° short: s·n at most about 0.02, shadows beyond 40 heights.
      {"north plate 2° short of the ground", {178, 0, 100}, 50, PlateSunlight::kShadowsOutOfReach},
      {"south plate 2° short of the ground, at the equator", {178, 180, 100}, 0, PlateSunlight::kShadowsOutOfReach},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(sundial::SunlightOn(c.plate, c.latitude), c.expected) << c.what;
  }
}

}  // namespace
