// SPDX-License-Identifier: MIT
// A wall's facing from a timed shadow: readings worked by hand at apparent noon and
// on an ephemeris's azimuth, the refusals, the circular mean and the wording.
#include "sundial/wall_facing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "sundial/apparent_noon.h"

namespace {

using sundial::FacingRefusal;
using sundial::Place;
using sundial::ShadowReading;
using sundial::WallFacingFrom;

TEST(WallFacing, FromAReading) {
  const Place tokyo{35.6812, 139.7671};
  const double noon = sundial::ApparentNoonUtHours(2026, 11, 3, tokyo.longitude_east_degrees);
  const struct {
    const char* what;
    ShadowReading reading;
    FacingRefusal refusal;
    double facing;  // degrees; checked when not refused
  } kCases[] = {
      // At apparent noon the Sun is due south and the shadow points due north.
      {"noon, shadow straight in: the wall faces south", {2026, 11, 3, noon, 0}, FacingRefusal::kNone, 180},
      {"noon, shadow 20° clockwise of straight in", {2026, 11, 3, noon, 20}, FacingRefusal::kNone, 160},
      {"noon, shadow 35° anticlockwise", {2026, 11, 3, noon, -35}, FacingRefusal::kNone, 215},
      // PyEphem 4.1.4: the Sun's azimuth at 2026-06-21 00:30 UT there is 103.977°.
      {"morning, ephemeris's azimuth", {2026, 6, 21, 0.5, -10}, FacingRefusal::kNone, 113.977},
      {"midnight", {2026, 6, 21, 15, 0}, FacingRefusal::kSunBelowHorizon, 0},
      {"shadow along the wall", {2026, 11, 3, noon, 90}, FacingRefusal::kSunBehindWall, 0},
      {"shadow out of the wall", {2026, 11, 3, noon, -120}, FacingRefusal::kSunBehindWall, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const sundial::WallFacing facing = WallFacingFrom(tokyo, c.reading);
    EXPECT_EQ(facing.refusal, c.refusal);
    if (c.refusal == FacingRefusal::kNone) {
      EXPECT_NEAR(facing.facing_degrees, c.facing, 0.02);
    }
  }
}

TEST(WallFacing, RefractionLeavesTheAzimuthAlone) {
  // Refraction lifts the Sun in its vertical: a low Sun's azimuth is the same
  // with and without it, so only the horizon test sees it.
  const Place berlin{52.52, 13.405};
  for (const double hours : {7.8, 8.5, 15.4}) {
    const auto geometric = sundial::SunDirectionAt(berlin, 2026, 12, 21, hours, sundial::Refraction::kNone);
    const auto refracted = sundial::SunDirectionAt(berlin, 2026, 12, 21, hours, sundial::Refraction::kStandard);
    EXPECT_GT(refracted.altitude_degrees - geometric.altitude_degrees, 0.05) << hours;
    EXPECT_EQ(refracted.azimuth_degrees, geometric.azimuth_degrees) << hours;
  }
}

TEST(WallFacing, SummaryIsACircularMean) {
  const double root2 = std::sqrt(2.0);
  const struct {
    const char* what;
    std::vector<double> facings;
    bool has_mean;
    double mean, spread, largest;
  } kCases[] = {
      {"across north", {359, 1}, true, 0, root2, 1},
      {"three", {200, 210, 220}, true, 210, 10, 10},
      {"one", {123.4}, true, 123.4, 0, 0},
      {"opposite: no direction", {90, 270}, false, 0, 0, 0},
      {"none", {}, false, 0, 0, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto summary = sundial::SummariseFacings(c.facings);
    ASSERT_EQ(summary.has_value(), c.has_mean);
    if (!summary) continue;
    EXPECT_NEAR(std::remainder(summary->mean_degrees - c.mean, 360.0), 0, 1e-9);
    EXPECT_NEAR(summary->spread_degrees, c.spread, 1e-9);
    EXPECT_NEAR(summary->largest_deviation_degrees, c.largest, 1e-9);
  }
}

TEST(WallFacing, TextNamesTheOffsetFromTheNearestPoint) {
  const struct {
    double facing;
    const char* text;
  } kCases[] = {
      {203.4, "facing 203.4°: 23.4° west of south"},
      {180, "facing 180.0°: due south"},
      {168, "facing 168.0°: 12.0° east of south"},
      {134.96, "facing 135.0°: south-east"},
      {100, "facing 100.0°: 10.0° south of east"},
      {90, "facing 90.0°: due east"},
      {60, "facing 60.0°: 30.0° north of east"},
      {5, "facing 5.0°: 5.0° east of north"},
      {359.96, "facing 0.0°: due north"},
      {355, "facing 355.0°: 5.0° west of north"},
      {315, "facing 315.0°: north-west"},
      {280.05, "facing 280.1°: 10.1° north of west"},
      {-90, "facing 270.0°: due west"},
      {250, "facing 250.0°: 20.0° south of west"},
  };
  for (const auto& c : kCases) EXPECT_EQ(sundial::FacingText(c.facing), c.text) << c.facing;
}

}  // namespace
