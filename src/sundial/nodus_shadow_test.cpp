// SPDX-License-Identifier: MIT
// Shadows worked by hand: the shadow lies opposite the Sun, at a distance from the
// foot of height / tan(altitude) on the floor.
#include "sundial/nodus_shadow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using sundial::NodusShadow;
using sundial::Surface;

TEST(NodusShadow, WorkedByHand) {
  constexpr double kNone = NAN;
  const double half_root2 = std::sqrt(0.5);
  const struct {
    const char* what;
    Surface surface;
    double altitude, azimuth, x, y;  // x, y in heights; NaN: no point
  } kCases[] = {
      {"floor, Sun at the zenith", Surface::kFloor, 90, 123, 0, 0},
      {"floor, Sun due south at 45°: shadow north", Surface::kFloor, 45, 180, 0, 1},
      {"floor, Sun due east at 45°: shadow west", Surface::kFloor, 45, 90, -1, 0},
      {"floor, Sun due north at 30°", Surface::kFloor, 30, 0, 0, -std::sqrt(3.0)},
      {"floor, Sun south-east at 45°", Surface::kFloor, 45, 135, -half_root2, half_root2},
      {"floor, 19.08 heights away", Surface::kFloor, 3, 180, 0, 1 / std::tan(3 * std::numbers::pi / 180)},
      {"floor, 20.4 heights away", Surface::kFloor, 2.8, 180, kNone, kNone},
      {"floor, Sun on the horizon", Surface::kFloor, 0, 180, kNone, kNone},
      {"floor, Sun below the horizon", Surface::kFloor, -5, 180, kNone, kNone},
      {"south wall, Sun due south at 45°: shadow below", Surface::kWallFacingSouth, 45, 180, 0, -1},
      {"south wall, Sun south-south-east at 30°", Surface::kWallFacingSouth, 30, 150, -std::sqrt(3.0) / 3,
       -2.0 / 3},
      {"south wall, Sun due south at 80°", Surface::kWallFacingSouth, 80, 180, 0,
       -std::tan(80 * std::numbers::pi / 180)},
      {"south wall, shadow 22.9 heights below", Surface::kWallFacingSouth, 87.5, 180, kNone, kNone},
      {"south wall, Sun in the wall's plane", Surface::kWallFacingSouth, 30, 90, kNone, kNone},
      {"south wall, Sun behind", Surface::kWallFacingSouth, 30, 60, kNone, kNone},
      {"south wall, Sun below the horizon in front", Surface::kWallFacingSouth, -10, 180, kNone, kNone},
      {"north wall, Sun due north at 45°", Surface::kWallFacingNorth, 45, 0, 0, -1},
      {"north wall, Sun north-west at 45°", Surface::kWallFacingNorth, 45, 315, 1, -std::sqrt(2.0)},
      {"north wall, Sun behind", Surface::kWallFacingNorth, 45, 180, kNone, kNone},
  };
  for (const double height_mm : {1.0, 250.0}) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.what << ", height " << height_mm);
      const auto point = NodusShadow(c.altitude, c.azimuth, height_mm, c.surface);
      if (std::isnan(c.x)) {
        EXPECT_FALSE(point.has_value());
        continue;
      }
      ASSERT_TRUE(point.has_value());
      EXPECT_NEAR(point->x_mm, c.x * height_mm, 1e-9 * height_mm);
      EXPECT_NEAR(point->y_mm, c.y * height_mm, 1e-9 * height_mm);
    }
  }
}

TEST(NodusShadow, WallFacesTheEquator) {
  EXPECT_EQ(sundial::EquatorFacingWall(51.5), Surface::kWallFacingSouth);
  EXPECT_EQ(sundial::EquatorFacingWall(0), Surface::kWallFacingSouth);
  EXPECT_EQ(sundial::EquatorFacingWall(-33.9), Surface::kWallFacingNorth);
}

}  // namespace
