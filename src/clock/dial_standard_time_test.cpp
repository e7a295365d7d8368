// SPDX-License-Identifier: MIT
// The dial maker's standard time is the clock of winter, whatever the tz data
// calls standard: Dublin's negative winter "summer time" once made its standard
// time UTC+01:00, shaded the winter days and put a noon mark an hour off.
#include "clock/dial_standard_time.h"

#include <gtest/gtest.h>

#include "clock/zone_names.h"

namespace {

TEST(DialStandardTime, TheWinterClockAndWhatSummerAdds) {
  const struct {
    const char* zone;
    int year;
    int offset_minutes;
    int summer_minutes;
  } kCases[] = {
      {"Europe/Dublin", 2026, 0, 60},        // the tz data: UTC+01:00 standard, −1 h in winter
      {"Africa/Casablanca", 2026, 60, 0},    // back to UTC+00:00 for Ramadan only (February, March)
      {"Australia/Sydney", 2026, 600, 60},   // summer in December
      {"Europe/Berlin", 2026, 60, 60},
      {"Asia/Tokyo", 2026, 540, 0},
      {"UTC", 2026, 0, 0},
      {"UTC-03:30", 2026, -210, 0},
      {"Australia/Lord_Howe", 2026, 630, 30},  // half an hour of summer time
      {"America/Santiago", 2026, -240, 60},
      {"Europe/Berlin", 1975, 60, 0},        // West Germany began summer time in 1980
  };
  for (const auto& c : kCases) {
    const std::optional<QTimeZone> zone = sundial::ZoneNamed(c.zone);
    ASSERT_TRUE(zone) << c.zone;
    const sundial::DialStandardTime standard = sundial::DialStandardTimeOf(*zone, c.year);
    EXPECT_EQ(standard.offset_seconds, c.offset_minutes * 60) << c.zone << " " << c.year;
    EXPECT_EQ(standard.summer_seconds, c.summer_minutes * 60) << c.zone << " " << c.year;
  }
}

}  // namespace
