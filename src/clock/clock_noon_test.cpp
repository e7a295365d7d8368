// SPDX-License-Identifier: MIT
// Solar noon by the clock, checked against transits found here another way: by
// bisection on "apparent solar time at the longitude is 12 h", with the zones'
// offsets written out from their rules.
#include "clock/clock_noon.h"
#include "clock/zone_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/module1.h"

namespace {

// Hours after 0h UT of the date at which apparent time at the longitude is noon,
// looking within half an hour of the mean Sun's transit `days_after` the date.
double TransitByBisection(int year, int month, int day, double longitude, int days_after) {
  const auto apparent_minus_noon = [&](double hours) {
    const double eot_minutes = Module1::EquationOfTimeMinutes(static_cast<int16_t>(year), month,
                                                              day + hours / 24 - 9.0 / 24);
    return hours + longitude / 15 + eot_minutes / 60 - 12 - 24 * days_after;
  };
  double low = 12 - longitude / 15 + 24 * days_after - 0.5;
  double high = low + 1;
  while (high - low > 1e-10) {
    const double middle = (low + high) / 2;
    (apparent_minus_noon(middle) < 0 ? low : high) = middle;
  }
  return (low + high) / 2;
}

TEST(ClockNoon, AgreesWithBisectionAndTheZonesRules) {
  const struct {
    const char* place;
    double longitude;
    const char* zone;
    int year, month, day;
    int offset_hours;  // from the zone's rules
    int days_after;    // the transit's UT date after the clock date
  } kCases[] = {
      {"Tokyo", 139.7667, "Asia/Tokyo", 2026, 1, 1, 9, 0},
      {"Tokyo", 139.7667, "Asia/Tokyo", 2026, 3, 31, 9, 0},
      {"Tokyo", 139.7667, "Asia/Tokyo", 2026, 11, 1, 9, 0},
      {"Berlin, winter", 13.4050, "Europe/Berlin", 2026, 1, 1, 1, 0},
      {"Berlin, eve of summer time", 13.4050, "Europe/Berlin", 2026, 3, 28, 1, 0},
      // Summer time began at 01:00 UTC, before the transit: the transit's offset counts.
      {"Berlin, summer time begins", 13.4050, "Europe/Berlin", 2026, 3, 29, 2, 0},
      {"Berlin, summer", 13.4050, "Europe/Berlin", 2026, 3, 31, 2, 0},
      {"Berlin, last day of summer time", 13.4050, "Europe/Berlin", 2026, 10, 24, 2, 0},
      {"Berlin, summer time ends", 13.4050, "Europe/Berlin", 2026, 10, 25, 1, 0},
      {"Berlin, November", 13.4050, "Europe/Berlin", 2026, 11, 1, 1, 0},
      {"Greenwich, February", 0, "UTC", 2026, 2, 11, 0, 0},
      {"Greenwich, November", 0, "Europe/London", 2026, 11, 3, 0, 0},
      {"Greenwich, British summer", 0, "Europe/London", 2026, 7, 1, 1, 0},
      {"Honolulu", -157.8583, "Pacific/Honolulu", 2026, 6, 21, -10, 0},
      {"Honolulu, leap day", -157.8583, "Pacific/Honolulu", 2024, 2, 29, -10, 0},
      {"Akashi, fixed offset", 135.0, "UTC+09:00", 2026, 7, 26, 9, 0},
      {"Reykjavik, fixed offset", -21.9, "UTC-01:00", 2026, 12, 31, -1, 0},
      // Kiritimati keeps UTC+14 at 157° W: its clock noon falls on the UT day before.
      {"Kiritimati", -157.4, "Pacific/Kiritimati", 2026, 5, 1, 14, -1},
      {"date line east", 179.9, "UTC-12:00", 2026, 1, 1, -12, 1},
  };
  for (const auto& c : kCases) {
    const std::optional<QTimeZone> zone = sundial::ZoneNamed(c.zone);
    ASSERT_TRUE(zone) << c.place << ": " << c.zone;
    const sundial::ClockNoon* noon = nullptr;
    const std::vector<sundial::ClockNoon> noons = sundial::ClockNoonsOfYear(c.year, c.longitude, *zone);
    for (const sundial::ClockNoon& candidate : noons) {
      if (candidate.clock_date == QDate(c.year, c.month, c.day)) noon = &candidate;
    }
    ASSERT_TRUE(noon) << c.place;
    const double ut_hours = TransitByBisection(c.year, c.month, c.day, c.longitude, c.days_after);
    const QDateTime expected_utc =
        QDateTime(QDate(c.year, c.month, c.day), QTime(0, 0), QTimeZone::utc()).addMSecs(std::llround(ut_hours * 3.6e6));
    EXPECT_LE(std::abs(noon->transit_utc.msecsTo(expected_utc)), 10) << c.place;
    EXPECT_EQ(noon->offset_seconds, c.offset_hours * 3600) << c.place;
    const long expected_clock = std::lround((ut_hours + c.offset_hours) * 3600);
    EXPECT_EQ(noon->clock_seconds, expected_clock) << c.place;
    EXPECT_EQ(noon->correction_seconds, expected_clock - 43200) << c.place;
  }
}

// On the date line in UTC the transits fall near midnight: where the equation of
// time turns positive a date holds two, where it turns negative one holds none.
// Before, +180 and -180 gave different rows, and -180 showed only 23:59:59 for
// 2200-04-15, losing the transit at 00:00:15.
TEST(ClockNoon, EveryTransitOfTheYearByClockDateOnTheDateLine) {
  const std::optional<QTimeZone> utc = sundial::ZoneNamed("UTC");
  ASSERT_TRUE(utc);
  for (const int year : {2026, 2200}) {
    const std::vector<sundial::ClockNoon> east = sundial::ClockNoonsOfYear(year, 180, *utc);
    const std::vector<sundial::ClockNoon> west = sundial::ClockNoonsOfYear(year, -180, *utc);
    ASSERT_EQ(east.size(), west.size()) << year;
    for (std::size_t i = 0; i < east.size(); ++i) {
      EXPECT_EQ(east[i].clock_date, west[i].clock_date) << year << " row " << i;
      EXPECT_EQ(east[i].clock_seconds, west[i].clock_seconds) << year << " row " << i;
    }
    // Independently: each UT date's transit by bisection, kept when its clock date
    // (UTC) lies in the year; the rows are those, in order.
    std::vector<std::pair<QDate, long>> expected;
    const QDate first(year, 1, 1);
    for (QDate date = first.addDays(-2); date <= QDate(year, 12, 31).addDays(2); date = date.addDays(1)) {
      const double hours = TransitByBisection(date.year(), date.month(), date.day(), -180, 0) - 24;
      const long seconds = std::lround(hours * 3600);  // after 0h UT of the next date
      const QDate clock_date = date.addDays(1 + (seconds < 0 ? -1 : 0));
      if (clock_date.year() == year) expected.emplace_back(clock_date, (seconds + 86400) % 86400);
    }
    ASSERT_EQ(west.size(), expected.size()) << year;
    for (std::size_t i = 0; i < west.size(); ++i) {
      EXPECT_EQ(west[i].clock_date, expected[i].first) << year << " row " << i;
      EXPECT_EQ(west[i].clock_seconds, expected[i].second) << year << " row " << i;
    }
  }
  const std::vector<sundial::ClockNoon> noons = sundial::ClockNoonsOfYear(2200, -180, *utc);
  std::vector<int> on_april_15;
  for (const sundial::ClockNoon& noon : noons) {
    if (noon.clock_date == QDate(2200, 4, 15)) on_april_15.push_back(noon.clock_seconds);
  }
  // 00:00:13 by this engine (an ephemeris has 00:00:15), and 23:59:59.
  ASSERT_EQ(on_april_15.size(), 2u);
  EXPECT_LT(on_april_15[0], 60);
  EXPECT_GT(on_april_15[1], 86400 - 60);
}

TEST(ClockNoon, NoNoonOnADateTheZoneSkipped) {
  // Samoa moved across the date line at the end of 29 December 2011.
  const std::optional<QTimeZone> apia = sundial::ZoneNamed("Pacific/Apia");
  ASSERT_TRUE(apia);
  std::vector<QDate> dates;
  for (const sundial::ClockNoon& noon : sundial::ClockNoonsOfYear(2011, -171.75, *apia)) dates.push_back(noon.clock_date);
  EXPECT_EQ(std::count(dates.begin(), dates.end(), QDate(2011, 12, 29)), 1);
  EXPECT_EQ(std::count(dates.begin(), dates.end(), QDate(2011, 12, 30)), 0);
  EXPECT_EQ(std::count(dates.begin(), dates.end(), QDate(2011, 12, 31)), 1);
  EXPECT_EQ(dates.size(), 364u);
}

}  // namespace
