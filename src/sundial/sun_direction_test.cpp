// SPDX-License-Identifier: MIT
#include "sundial/sun_direction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sundial/apparent_noon.h"

namespace {

using sundial::Place;
using sundial::Refraction;
using sundial::SunDirectionAt;

constexpr double kDegree = std::numbers::pi / 180;

// Azimuths a full turn apart are the same direction.
double AzimuthDifference(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(SunDirection, AgreesWithAnEphemeris) {
  // Reference: PyEphem 4.1.4's topocentric apparent altitude and azimuth (pressure 0
  // for geometric, 1010 hPa and 10 °C for refracted), the instant given as UT.
  const struct {
    const char* where;
    int year, month, day;
    double ut_hours, latitude, longitude;
    double altitude, azimuth, refracted_altitude;
  } kCases[] = {
      {"Tokyo, June solstice morning", 2026, 6, 21, 0.5, 35.6812, 139.7671, 58.856, 103.977, 58.866},
      {"Berlin, December solstice noon", 2026, 12, 21, 11.25, 52.52, 13.405, 14.006, 182.499, 14.069},
      {"Berlin, December sunrise", 2026, 12, 21, 7.75, 52.52, 13.405, 2.544, 135.422, 2.793},
      {"Sydney, March equinox", 2026, 3, 20, 2, -33.8688, 151.2093, 56.334, 1.228, 56.345},
      {"Reykjavik, midnight sun", 2026, 6, 21, 23.5, 64.1466, -21.9426, 0.637, 332.761, 1.035},
      {"Quito, afternoon", 2026, 9, 23, 20, -0.1807, -78.4678, 46.530, 269.721, 46.545},
      {"Greenwich, 1900", 1900, 1, 1, 12, 51.4769, 0, 15.493, 179.124, 15.551},
      {"Honolulu, 2100", 2100, 7, 4, 22, 21.3069, -157.8583, 81.495, 78.291, 81.498},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    const Place place{c.latitude, c.longitude};
    const auto year = static_cast<int16_t>(c.year);
    const auto geometric = SunDirectionAt(place, year, c.month, c.day, c.ut_hours, Refraction::kNone);
    const auto refracted = SunDirectionAt(place, year, c.month, c.day, c.ut_hours, Refraction::kStandard);
    EXPECT_NEAR(geometric.altitude_degrees, c.altitude, 0.03);
    EXPECT_NEAR(AzimuthDifference(geometric.azimuth_degrees, c.azimuth) * std::cos(c.altitude * kDegree), 0,
                0.03);
    EXPECT_NEAR(refracted.altitude_degrees, c.refracted_altitude, 0.03);
    EXPECT_EQ(refracted.azimuth_degrees, geometric.azimuth_degrees);
  }
}

TEST(SunDirection, OnTheMeridianAtApparentNoon) {
  // At the instant the noon iteration finds, the Sun stands due south (or due north
  // where the declination exceeds the latitude) at 90° − |φ − δ|.
  const struct {
    const char* where;
    int month, day;
    double latitude, longitude;
  } kCases[] = {
      {"Berlin, June", 6, 21, 52.52, 13.405},        {"Singapore, December", 12, 21, 1.35, 103.82},
      {"Honolulu, June", 6, 21, 21.3069, -157.8583}, {"Sydney, February", 2, 11, -33.8688, 151.2093},
      {"Quito, November", 11, 3, -0.1807, -78.4678}, {"Date line", 4, 15, 10, 180},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    const double noon_hours = sundial::ApparentNoonUtHours(2026, c.month, c.day, c.longitude);
    const auto sun =
        SunDirectionAt({c.latitude, c.longitude}, 2026, c.month, c.day, noon_hours, Refraction::kNone);
    EXPECT_NEAR(sun.hour_angle_degrees, 0, 1e-4);
    const bool sun_north = sun.declination_degrees > c.latitude;
    EXPECT_NEAR(AzimuthDifference(sun.azimuth_degrees, sun_north ? 0 : 180), 0, 1e-3);
    EXPECT_NEAR(sun.altitude_degrees, 90 - std::fabs(c.latitude - sun.declination_degrees), 1e-6);
  }
}

TEST(SunDirection, RefractionAgreesWithBennettsFormula) {
  // Bennett's (1982) formula gives the refraction from the apparent altitude,
  // R = 1′ / tan(a + 7.31° / (a + 4.4°)); taking that refraction off the apparent
  // altitude and refracting again must give it back to within 0.1′.
  for (const double apparent : {0.0, 1.0, 5.0, 10.0, 30.0, 60.0, 89.0}) {
    SCOPED_TRACE(apparent);
    const double bennett = 1 / std::tan((apparent + 7.31 / (apparent + 4.4)) * kDegree) / 60;
    EXPECT_NEAR(sundial::StandardRefractionDegrees(apparent - bennett), bennett, 0.1 / 60);
  }
  EXPECT_NEAR(sundial::StandardRefractionDegrees(90), 0, 1e-6);
  // Held below −1° rather than running into the formula's pole at −5.11°.
  EXPECT_EQ(sundial::StandardRefractionDegrees(-6), sundial::StandardRefractionDegrees(-1));
}

}  // namespace
