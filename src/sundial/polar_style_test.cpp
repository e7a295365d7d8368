// SPDX-License-Identifier: MIT
// The polar style: J. Meeus's worked examples (Astronomical Algorithms, 2nd ed.,
// 1998, ch. 58, examples 58.a and 58.b, p. 404, as quoted by the example tests of a
// public port of the book's algorithms), the classical dials by hand, and on any
// plate the hour lines that must meet at the centre and the substyle they must contain.
#include "sundial/polar_style.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "sundial/dial.h"

namespace {

using sundial::Plate;
using sundial::PolarStyleOf;

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kNone = NAN;

TEST(PolarStyle, MeeusExamplesAndClassicalDials) {
  const double phi = 40 * kDegree;
  const struct {
    const char* what;
    Plate plate;
    double latitude;
    double centre_x, centre_y, style_height, style_length;  // heights, degrees; NaN: at infinity
  } kCases[] = {
      // Meeus 58.a: φ = +40°, D = 70° (facing 250°), z = 50°; 58.b: φ = −35°, D = 160°, z = 90°.
      {"Meeus 58.a", {50, 250, 1000}, 40, 3.3880, -3.1102, 12.2672, kNone},
      {"Meeus 58.b", {90, 340, 1000}, -35, 0.3640, 0.7451, 50.3315, kNone},
      {"horizontal at 40 N: centre south of the foot", {0, 180, 1000}, 40, 0, -1 / std::tan(phi), 40, 1 / std::sin(phi)},
      {"horizontal at 40 S: centre north of it", {0, 180, 1000}, -40, 0, 1 / std::tan(phi), 40, 1 / std::sin(phi)},
      {"south wall at 40 N: centre above", {90, 180, 1000}, 40, 0, std::tan(phi), 50, 1 / std::cos(phi)},
      {"north wall at 40 S", {90, 0, 1000}, -40, 0, std::tan(phi), 50, 1 / std::cos(phi)},
      {"equatorial, facing the north pole at 40 N", {50, 0, 1000}, 40, 0, 0, 90, 1},
      {"polar, facing south at 40 N", {40, 180, 1000}, 40, kNone, kNone, 0, kNone},
      {"east wall", {90, 90, 1000}, 40, kNone, kNone, 0, kNone},
      {"west wall at 25 S", {90, 270, 1000}, -25, kNone, kNone, 0, kNone},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const sundial::PolarStyle style = PolarStyleOf(c.plate, c.latitude);
    const double a = c.plate.height_mm;
    EXPECT_NEAR(style.style_height_degrees, c.style_height, 5e-5);
    if (std::isnan(c.centre_x)) {
      EXPECT_FALSE(style.centre.has_value());
      EXPECT_FALSE(style.style_length_mm.has_value());
      continue;
    }
    ASSERT_TRUE(style.centre.has_value());
    EXPECT_NEAR(style.centre->x_mm, c.centre_x * a, 5e-5 * a);
    EXPECT_NEAR(style.centre->y_mm, c.centre_y * a, 5e-5 * a);
    // u = a / |P| = a / sin ψ, Meeus's style length.
    const double length = std::isnan(c.style_length) ? 1 / std::sin(c.style_height * kDegree) : c.style_length;
    EXPECT_NEAR(*style.style_length_mm, length * a, 1e-3 * a);
    EXPECT_NEAR(*style.centre_distance_mm, std::hypot(style.centre->x_mm, style.centre->y_mm), 1e-9 * a);
  }
}

TEST(PolarStyle, SubstyleByHand) {
  const struct {
    const char* what;
    Plate plate;
    double latitude;
    double substyle_angle, noon_angle, substyle_distance, substyle_hour_angle;  // degrees; NaN: none
  } kCases[] = {
      {"horizontal", {0, 180, 100}, 50, 0, 0, 0, 0},
      {"south wall", {90, 180, 100}, 50, 0, 0, 0, 0},
      // The axis lies in an east wall at 50° to the horizontal: 40° from the vertical,
      // leaning towards the north, the wall's right. The Sun faces it at 6 a.m.
      {"east wall", {90, 90, 100}, 50, 40, 0, 40, -90},
      {"west wall", {90, 270, 100}, 50, -40, 0, -40, 90},
      {"polar, facing south", {50, 180, 100}, 50, 0, 0, 0, 0},
      {"equatorial: the style square to the plate", {40, 0, 100}, 50, kNone, 0, kNone, kNone},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const sundial::PolarStyle style = PolarStyleOf(c.plate, c.latitude);
    EXPECT_NEAR(style.noon_line_angle_degrees, c.noon_angle, 1e-9);
    if (std::isnan(c.substyle_angle)) {
      EXPECT_FALSE(style.substyle_angle_degrees.has_value());
      EXPECT_FALSE(style.substyle_distance_degrees.has_value());
      continue;
    }
    ASSERT_TRUE(style.substyle_angle_degrees.has_value());
    EXPECT_NEAR(*style.substyle_angle_degrees, c.substyle_angle, 1e-9);
    EXPECT_NEAR(*style.substyle_distance_degrees, c.substyle_distance, 1e-9);
    EXPECT_NEAR(*style.substyle_hour_angle_degrees, c.substyle_hour_angle, 1e-9);
  }
}

// Distance of point q from the line through `through` along unit `direction`.
double OffLine(sundial::ShadowPoint q, sundial::ShadowPoint through, sundial::ShadowPoint direction) {
  return std::fabs((q.x_mm - through.x_mm) * direction.y_mm - (q.y_mm - through.y_mm) * direction.x_mm);
}

TEST(PolarStyle, HourLinesMeetAtTheCentreAndTheSubstyleIsOne) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> latitude(-66, 66), tilt(0, 170), facing(0, 360), declination(-23.44, 23.44);
  int checked = 0;
  for (int i = 0; i < 400; ++i) {
    const Plate plate{tilt(random), facing(random), 100};
    const double phi = latitude(random);
    SCOPED_TRACE(testing::Message() << "tilt " << plate.tilt_degrees << " facing " << plate.facing_degrees
                                    << " latitude " << phi);
    const sundial::PolarStyle style = PolarStyleOf(plate, phi);
    const sundial::PlateAxes axes = sundial::AxesOf(plate);
    ASSERT_TRUE(style.substyle_direction.has_value());
    // Two shadows of one hour angle and the centre lie on one line; at the
    // substyle's hour angle that line runs through the foot along the substyle.
    for (const double hour_angle : {-75.0, -20.0, 0.0, 35.0, *style.substyle_hour_angle_degrees}) {
      const auto a = sundial::ShadowOnPlate(axes, plate.height_mm,
                                            sundial::SunVectorAt(phi, declination(random), hour_angle), 1e6);
      const auto b = sundial::ShadowOnPlate(axes, plate.height_mm,
                                            sundial::SunVectorAt(phi, declination(random), hour_angle), 1e6);
      if (!a || !b || std::hypot(a->x_mm - b->x_mm, a->y_mm - b->y_mm) < 1) continue;
      const double length = std::hypot(a->x_mm - b->x_mm, a->y_mm - b->y_mm);
      const sundial::ShadowPoint along{(b->x_mm - a->x_mm) / length, (b->y_mm - a->y_mm) / length};
      const double scale = 1e-9 * (plate.height_mm + std::hypot(a->x_mm, a->y_mm) + std::hypot(b->x_mm, b->y_mm));
      EXPECT_NEAR(OffLine(*style.centre, *a, along), 0, scale * (1 + *style.centre_distance_mm / 100));
      if (hour_angle == *style.substyle_hour_angle_degrees) {
        EXPECT_NEAR(OffLine({0, 0}, *a, along), 0, scale);
        EXPECT_NEAR(std::fabs(along.x_mm * style.substyle_direction->x_mm + along.y_mm * style.substyle_direction->y_mm),
                    1, 1e-9);
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 600);
}

}  // namespace
