// SPDX-License-Identifier: MIT
// The correction card against the clock times that `noon` prints (checked against
// an ephemeris to a few seconds), moved to standard time by hand.
#include "clock/correction_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "clock/zone_names.h"

namespace {

TEST(CorrectionCard, StandardTimeCorrectionsAndSummerDays) {
  const struct {
    const char* zone;
    double longitude;
    int month, day;
    const char* text;  // from noon's clock time less the summer hour
    int clock_extra_seconds;
  } kCases[] = {
      {"Europe/Berlin", 13.4050, 1, 1, "+9:56", 0},        // noon 12:09:56
      {"Europe/Berlin", 13.4050, 3, 28, "+11:25", 0},      // 12:11:25
      {"Europe/Berlin", 13.4050, 3, 29, "+11:07", 3600},   // 13:11:07 in summer time
      {"Europe/Berlin", 13.4050, 10, 24, "\u22129:28", 3600}, // 12:50:32 in summer time
      {"Europe/Berlin", 13.4050, 10, 25, "\u22129:35", 0}, // 11:50:25
      {"Asia/Tokyo", 139.7667, 11, 1, "\u221235:31", 0},   // 11:24:29
      {"Asia/Tokyo", 139.7667, 1, 1, "\u221215:41", 0},    // 11:44:19
      // The winter clock is standard even where the tz data says otherwise.
      {"Europe/Dublin", -6.2603, 1, 1, "+28:37", 0},        // 12:28:37 in winter
      {"Europe/Dublin", -6.2603, 3, 29, "+29:46", 3600},    // 13:29:46 in summer time
      {"Europe/Dublin", -6.2603, 10, 26, "+8:58", 0},       // 12:08:58
      {"Australia/Sydney", 151.2093, 1, 1, "\u22121:28", 3600},  // 12:58:32 in summer time
      {"Australia/Sydney", 151.2093, 4, 5, "\u22122:03", 0},     // 11:57:57
      // Casablanca keeps UTC+01:00 and goes back an hour for Ramadan.
      {"Africa/Casablanca", -7.5898, 1, 1, "+93:56", 0},          // 13:33:56
      {"Africa/Casablanca", -7.5898, 2, 15, "+104:28", -3600},    // 12:44:28, an hour behind
      {"Africa/Casablanca", -7.5898, 3, 22, "+97:11", 0},         // 13:37:11
  };
  for (const auto& c : kCases) {
    const sundial::CorrectionCard card = sundial::MakeCorrectionCard(2026, c.longitude, *sundial::ZoneNamed(c.zone));
    const sundial::CardDay& day = card.days[c.month - 1][c.day - 1];
    ASSERT_TRUE(day.has_noon) << c.zone << " " << c.month << "/" << c.day;
    EXPECT_EQ(sundial::CorrectionText(day.standard_correction_seconds), c.text) << c.zone << " " << c.month << "/" << c.day;
    EXPECT_EQ(day.clock_extra_seconds, c.clock_extra_seconds) << c.zone << " " << c.month << "/" << c.day;
  }
}

TEST(CorrectionCard, OnlyRealDates) {
  const sundial::CorrectionCard common = sundial::MakeCorrectionCard(2026, 13.4050, *sundial::ZoneNamed("Europe/Berlin"));
  const sundial::CorrectionCard leap = sundial::MakeCorrectionCard(2024, 13.4050, *sundial::ZoneNamed("Europe/Berlin"));
  EXPECT_FALSE(common.days[1][28].has_noon);  // 29 February 2026
  EXPECT_TRUE(leap.days[1][28].has_noon);
  EXPECT_FALSE(common.days[3][30].has_noon);  // 31 April
  EXPECT_TRUE(common.days[11][30].has_noon);
}

// A dial whose lines carry the longitude needs the equation of time alone: −E at
// its noon. The references are PyEphem's (tools/card_accuracy.py's reference_day
// for Berlin, 13.4050 E): the program is within 5 s of them.
TEST(CorrectionCard, WithoutTheLongitudeTheEquationOfTimeAlone) {
  const struct {
    int month, day;
    double with_longitude, without;  // seconds, from the ephemeris
  } kCases[] = {
      {2, 11, 1233.3, 850.5},
      {11, 3, -604.0, -986.8},
      {7, 26, 776.7, 393.9},
      {4, 15, 383.7, 0.9},
  };
  const QTimeZone berlin = *sundial::ZoneNamed("Europe/Berlin");
  const sundial::CorrectionCard with = sundial::MakeCorrectionCard(2026, 13.4050, berlin);
  const sundial::CorrectionCard without = sundial::MakeCorrectionCard(2026, 13.4050, berlin, {false, 1});
  EXPECT_FALSE(without.kind.with_longitude);
  for (const auto& c : kCases) {
    const auto& a = with.days[c.month - 1][c.day - 1];
    const auto& b = without.days[c.month - 1][c.day - 1];
    ASSERT_TRUE(a.has_noon && b.has_noon);
    EXPECT_NEAR(a.standard_correction_seconds, c.with_longitude, 5) << c.month << "/" << c.day;
    EXPECT_NEAR(b.standard_correction_seconds, c.without, 5) << c.month << "/" << c.day;
    // The two differ by Berlin's 1.595 degrees west of 15 E: 382.8 s, to the rounding.
    EXPECT_NEAR(a.standard_correction_seconds - b.standard_correction_seconds, 382.8, 1) << c.month << "/" << c.day;
    EXPECT_EQ(a.clock_extra_seconds, b.clock_extra_seconds);
  }
}

// A card of four years: each day the mean of the years that have it, its largest
// difference from any one year's card, and the days in summer time in some of
// the years only (Berlin's begins on the last Sunday of March: 29 March 2026,
// 28 March 2027, 26 March 2028, 25 March 2029).
TEST(CorrectionCard, AMeanOfYearsLastsAndSaysHowFarItIsFromEach) {
  const QTimeZone berlin = *sundial::ZoneNamed("Europe/Berlin");
  const sundial::CorrectionCard mean = sundial::MakeCorrectionCard(2026, 13.4050, berlin, {true, 4});
  EXPECT_EQ(mean.kind.mean_years, 4);
  std::vector<sundial::CorrectionCard> singles;
  for (int year = 2026; year < 2030; ++year) singles.push_back(sundial::MakeCorrectionCard(year, 13.4050, berlin));
  int largest = 0;
  for (int month = 0; month < 12; ++month) {
    for (int day = 0; day < 31; ++day) {
      const auto& cell = mean.days[month][day];
      int low = 1 << 30, high = -(1 << 30), years = 0;
      for (const auto& single : singles) {
        const auto& d = single.days[month][day];
        if (!d.has_noon) continue;
        ++years;
        low = std::min(low, d.standard_correction_seconds);
        high = std::max(high, d.standard_correction_seconds);
        if (cell.has_noon) largest = std::max(largest, std::abs(cell.standard_correction_seconds - d.standard_correction_seconds));
      }
      ASSERT_EQ(cell.has_noon, years > 0) << month + 1 << "/" << day + 1;
      if (!cell.has_noon) continue;
      EXPECT_GE(cell.standard_correction_seconds, low - 1) << month + 1 << "/" << day + 1;
      EXPECT_LE(cell.standard_correction_seconds, high + 1) << month + 1 << "/" << day + 1;
    }
  }
  EXPECT_EQ(mean.largest_year_difference_seconds, largest);
  // The mean of a leap cycle moves each day by a quarter of a day's change at most.
  EXPECT_GT(largest, 0);
  EXPECT_LT(largest, 20);
  EXPECT_TRUE(mean.days[1][28].has_noon) << "29 February of 2028";
  EXPECT_FALSE(sundial::MakeCorrectionCard(2029, 13.4050, berlin, {true, 3}).days[1][28].has_noon)
      << "2029-2031 have no 29 February";
  const struct {
    int month, day, clock_extra_years;
  } kSummer[] = {{3, 24, 0}, {3, 25, 1}, {3, 26, 2}, {3, 28, 3}, {3, 29, 4}, {7, 1, 4}, {10, 24, 4}, {10, 25, 3},
                 {10, 31, 0}};
  for (const auto& c : kSummer) {
    const auto& cell = mean.days[c.month - 1][c.day - 1];
    EXPECT_EQ(cell.clock_extra_years, c.clock_extra_years) << c.month << "/" << c.day;
    EXPECT_EQ(cell.clock_extra_seconds, c.clock_extra_years > 0 ? 3600 : 0) << c.month << "/" << c.day;
  }
}

TEST(CorrectionText, SignedMinutesAndSeconds) {
  EXPECT_EQ(sundial::CorrectionText(596), "+9:56");
  EXPECT_EQ(sundial::CorrectionText(-185), "\u22123:05");
  EXPECT_EQ(sundial::CorrectionText(0), "+0:00");
  EXPECT_EQ(sundial::CorrectionText(-4267), "\u221271:07");
}

}  // namespace
