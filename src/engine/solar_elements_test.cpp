// SPDX-License-Identifier: MIT
#include "engine/solar_elements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/calendar.h"
#include "engine/equation_of_time.h"
#include "platform/core/runtime_error.h"

namespace {

using namespace Module1;

// Half a unit in the last decimal place the worked value is given to.
double HalfUnit(int decimals) { return 0.5 * std::pow(10.0, -decimals); }

double EquationOfTimeAtT(double T) {
  const double L = SunMeanLongitude(T);
  const double varpi = PerihelionLongitude(T);
  return EquationOfTime(Obliquity(T), L, varpi, L - varpi, OrbitEccentricity(T));
}

TEST(SolarElements, WorkedValuesAtWholeCenturies) {
  const struct {
    double T, eps, L, e, varpi, E;
  } kCases[] = {
      {0, 23.452294, 279.696678, 0.0167498, 281.2206, -0.0139054286},
      {1, 23.439280363, 280.4659055, 0.016707083, 282.9387831, -0.0144046401},
      {-1, 23.465304357, 278.9280555, 0.016792243, 279.5033836, std::nan("")},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.T);
    EXPECT_NEAR(Obliquity(c.T), c.eps, HalfUnit(9));
    EXPECT_NEAR(SunMeanLongitude(c.T), c.L, HalfUnit(7));
    EXPECT_NEAR(OrbitEccentricity(c.T), c.e, HalfUnit(9));
    EXPECT_NEAR(PerihelionLongitude(c.T), c.varpi, HalfUnit(7));
    if (!std::isnan(c.E)) {
      EXPECT_NEAR(EquationOfTimeAtT(c.T), c.E, HalfUnit(10));
    }
  }
  EXPECT_NEAR(SunMeanLongitude(0) - PerihelionLongitude(0), -1.523922, HalfUnit(6));
  EXPECT_NEAR(SunMeanLongitude(1) - PerihelionLongitude(1), -2.4728776, HalfUnit(7));
  EXPECT_NEAR(EquationOfTimeAtT(0) * 4 * 180 / Pi, -3.18689, HalfUnit(5));
  EXPECT_NEAR(EquationOfTimeAtT(1) * 4 * 180 / Pi, -3.30130, HalfUnit(5));
}

TEST(SolarElements, WorkedValuesOf2002) {
  const struct {
    double jd, T, L, M, E, minutes;
  } kCases[] = {
      {2452317.0, 1.0211362081, 321.3856613, 38.4105518, -0.0622731154, -14.27195},
      {2452582.0, 1.0283915127, 222.5822097, -60.4053695, 0.0718660951, 16.47050},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.jd);
    const double T = JulianCenturies(c.jd);
    EXPECT_NEAR(T, c.T, HalfUnit(10));
    const double L = SunMeanLongitude(T);
    EXPECT_NEAR(L, c.L, HalfUnit(7));
    EXPECT_NEAR(L - PerihelionLongitude(T), c.M, HalfUnit(7));
    EXPECT_NEAR(EquationOfTimeAtT(T), c.E, HalfUnit(10));
    EXPECT_NEAR(EquationOfTimeAtT(T) * 4 * 180 / Pi, c.minutes, HalfUnit(5));
  }
}

TEST(SolarElements, StoredPiIsSevenUnitsBelowTheNearestDouble) {
  EXPECT_EQ(Pi, M_PI - 7 * std::ldexp(1.0, -51));  // one unit is 2⁻⁵¹ between 2 and 4
}

TEST(SolarElements, CoefficientProductsAreTheNearestDoublesOfTheirDecimals) {
  // The run-time products k × 10⁻ⁿ agree with the decimal values bit for bit, so
  // the polynomials see exactly the published coefficients.
  EXPECT_EQ(1e-4 * 3.025, 0.0003025);
  EXPECT_EQ(1e-5 * 4.258, 0.00004258);
  EXPECT_EQ(1e-7 * 1.37, 0.000000137);
  EXPECT_EQ(1e-4 * 4.83333, 0.000483333);
  EXPECT_EQ(1e-6 * 2.77777, 0.00000277777);
}

TEST(ReduceDegrees, LandsInZeroTo360) {
  const struct {
    double raw, reduced, tolerance;
  } kCases[] = {
      {-35721.0719445, 278.9280555, HalfUnit(7)},  // L at T = −1
      {0, 0, 0},
      {720, 0, 0},
      {-90, 270, 0},
      {359.5, 359.5, 1e-12},
      {36279.696678, 279.696678, 1e-9},
  };
  for (const auto& c : kCases) {
    const double reduced = ReduceDegrees(c.raw);
    EXPECT_NEAR(reduced, c.reduced, c.tolerance) << c.raw;
    EXPECT_GE(reduced, 0) << c.raw;
    EXPECT_LT(reduced, 360) << c.raw;
  }
}

TEST(EquationOfTime, IgnoresThePerihelionArgument) {
  const double T = 1.0211362081;
  const double L = SunMeanLongitude(T);
  const double varpi = PerihelionLongitude(T);
  const double eps = Obliquity(T);
  const double e = OrbitEccentricity(T);
  const double E = EquationOfTime(eps, L, varpi, L - varpi, e);
  for (double other : {0.0, -1000.0, 1e300, std::nan("")}) {
    EXPECT_EQ(EquationOfTime(eps, L, other, L - varpi, e), E) << other;
  }
}

TEST(EquationOfTime, NegativeMeanAnomalyGivesTheSameValueAsPlus360) {
  const double T = 1.0283915127;  // M ≈ −60.4°
  const double L = SunMeanLongitude(T);
  const double varpi = PerihelionLongitude(T);
  const double M = L - varpi;
  ASSERT_LT(M, 0);
  const double eps = Obliquity(T);
  const double e = OrbitEccentricity(T);
  EXPECT_NEAR(EquationOfTime(eps, L, varpi, M, e), EquationOfTime(eps, L, varpi, M + 360, e), 1e-15);
}

TEST(EquationOfTime, StaysFiniteForEverySixteenBitYear) {
  for (int year = -32768; year <= 32767; year += 97) {
    const double T = JulianCenturies(JulianDay(static_cast<int16_t>(year), 1, 1));
    const double minutes = EquationOfTimeAtT(T) * 4 * 180 / Pi;
    ASSERT_TRUE(std::isfinite(minutes)) << year;
    ASSERT_LT(std::fabs(minutes), 27) << year;
  }
}

TEST(SolarElements, NonFiniteArithmeticRaisesTheFloatingPointErrors) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    double (*function)(double);
    double T;
    int number;
  } kCases[] = {
      {"mean longitude of NaN", SunMeanLongitude, nan, 5},
      {"perihelion of NaN", PerihelionLongitude, nan, 5},
      {"mean longitude overflow", SunMeanLongitude, 1e300, 6},
      {"perihelion overflow", PerihelionLongitude, 1e300, 6},
  };
  for (const auto& c : kCases) {
    try {
      c.function(c.T);
      ADD_FAILURE() << c.name << " did not raise";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), c.number) << c.name;
    }
  }
  EXPECT_THROW(EquationOfTime(nan, 10, 0, 10, 0.0167), platform::RuntimeError);
}

}  // namespace
