// SPDX-License-Identifier: MIT
#include "engine/solar_declination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/calendar.h"

namespace {

using namespace Module1;

TEST(SolarDeclination, AgreesWithAnEphemeris) {
  // Reference: PyEphem 4.1.4's geocentric apparent declination of date (g_dec), the
  // instant given to it as this Julian Day in UT. Within 0.003° here: leaving out the
  // nutation and aberration terms puts the equinox rows 0.004° off.
  const struct {
    int year, month, day;
    double ut_hours, declination;
  } kCases[] = {
      {1800, 1, 1, 12, -23.01625},  {1800, 6, 21, 12, 23.46724},  {2000, 3, 20, 7.5, -0.00136},
      {2026, 6, 21, 8.5, 23.43792}, {2026, 9, 23, 0, 0.00141},    {2026, 12, 21, 21, -23.43737},
      {2200, 6, 21, 12, 23.41083},  {2200, 12, 31, 0, -23.10154},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.ut_hours << "h");
    const double T =
        JulianCenturies(JulianDay(static_cast<int16_t>(c.year), c.month, c.day + c.ut_hours / 24));
    EXPECT_NEAR(SunApparentDeclination(T), c.declination, 0.003);
  }
}

// True anomaly minus mean anomaly, degrees, by solving Kepler's equation
// E − e sin E = M by Newton's method and v = 2 atan(√((1+e)/(1−e)) tan(E/2)).
double KeplerEquationOfCentre(double M_degrees, double e) {
  const double M = M_degrees * std::numbers::pi / 180;
  double E = M;
  for (int i = 0; i < 20; ++i) E -= (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
  const double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
  return std::remainder(v - M, 2 * std::numbers::pi) * 180 / std::numbers::pi;
}

TEST(SolarDeclination, EquationOfCentreMatchesKeplersEquation) {
  // The series to e³ leaves terms of order e⁴: under 1e-5° for the Earth's orbit.
  const double kMeanAnomalies[] = {-359, -90, -2.47, 0, 30, 90, 135, 179.9, 250, 359};
  for (const double e : {0.0167498, 0.016707083, 0.0166}) {
    for (const double M : kMeanAnomalies) {
      SCOPED_TRACE(testing::Message() << "M " << M << " e " << e);
      EXPECT_NEAR(EquationOfCentre(M, e), KeplerEquationOfCentre(M, e), 1e-5);
    }
  }
}

}  // namespace
