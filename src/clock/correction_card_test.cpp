// SPDX-License-Identifier: MIT
// The correction card against the clock times that `noon` prints (checked against
// an ephemeris to a few seconds), moved to standard time by hand.
#include "clock/correction_card.h"

#include <gtest/gtest.h>

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

TEST(CorrectionText, SignedMinutesAndSeconds) {
  EXPECT_EQ(sundial::CorrectionText(596), "+9:56");
  EXPECT_EQ(sundial::CorrectionText(-185), "\u22123:05");
  EXPECT_EQ(sundial::CorrectionText(0), "+0:00");
  EXPECT_EQ(sundial::CorrectionText(-4267), "\u221271:07");
}

}  // namespace
