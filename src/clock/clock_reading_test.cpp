// SPDX-License-Identifier: MIT
// Clock readings back to instants, against the instants Python's zoneinfo gives
// for the same zones (tzdata's rules read by another library).
#include "clock/clock_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/zone_names.h"

namespace {

struct Expected {
  const char* utc;  // "2026-10-25T00:30"
  int offset_seconds;
};

TEST(ClockReading, ReadingsNameOneInstantNoneOrTwo) {
  const struct {
    const char* zone;
    int year, month, day, hour, minute;
    std::vector<Expected> instants;
  } kCases[] = {
      {"Europe/Berlin", 2026, 5, 10, 14, 30, {{"2026-05-10T12:30", 7200}}},
      {"Europe/Berlin", 2026, 1, 10, 14, 30, {{"2026-01-10T13:30", 3600}}},
      {"Asia/Tokyo", 2026, 5, 10, 14, 30, {{"2026-05-10T05:30", 32400}}},
      {"UTC+05:30", 2026, 5, 10, 14, 30, {{"2026-05-10T09:00", 19800}}},
      {"UTC", 2026, 5, 10, 0, 0, {{"2026-05-10T00:00", 0}}},
      // Summer time begins: 02:00 became 03:00.
      {"Europe/Berlin", 2026, 3, 29, 2, 30, {}},
      {"Europe/Berlin", 2026, 3, 29, 3, 0, {{"2026-03-29T01:00", 7200}}},
      {"Europe/Berlin", 2026, 3, 29, 1, 59, {{"2026-03-29T00:59", 3600}}},
      {"America/New_York", 2026, 3, 8, 2, 30, {}},
      {"Australia/Sydney", 2026, 10, 4, 2, 30, {}},
      // Summer time ends: 03:00 became 02:00, and 02:00-03:00 came twice.
      {"Europe/Berlin", 2026, 10, 25, 2, 30, {{"2026-10-25T00:30", 7200}, {"2026-10-25T01:30", 3600}}},
      {"America/New_York", 2026, 11, 1, 1, 30, {{"2026-11-01T05:30", -14400}, {"2026-11-01T06:30", -18000}}},
      {"Australia/Sydney", 2026, 4, 5, 2, 30, {{"2026-04-04T15:30", 39600}, {"2026-04-04T16:30", 36000}}},
      // Half an hour of summer time.
      {"Australia/Lord_Howe", 2026, 4, 5, 1, 45, {{"2026-04-04T14:45", 39600}, {"2026-04-04T15:15", 37800}}},
      // Samoa crossed the date line: 30 December 2011 never came.
      {"Pacific/Apia", 2011, 12, 29, 12, 0, {{"2011-12-29T22:00", -36000}}},
      {"Pacific/Apia", 2011, 12, 30, 12, 0, {}},
      {"Pacific/Apia", 2011, 12, 31, 12, 0, {{"2011-12-30T22:00", 50400}}},
  };
  for (const auto& c : kCases) {
    const std::string where = std::string(c.zone) + " " + std::to_string(c.month) + "/" + std::to_string(c.day) +
                              " " + std::to_string(c.hour) + ":" + std::to_string(c.minute);
    const auto zone = sundial::ZoneNamed(c.zone);
    ASSERT_TRUE(zone) << where;
    const auto instants =
        sundial::InstantsOfClockReading(*zone, QDate(c.year, c.month, c.day), c.hour * 3600 + c.minute * 60);
    ASSERT_EQ(instants.size(), c.instants.size()) << where;
    for (std::size_t i = 0; i < instants.size(); ++i) {
      EXPECT_EQ(instants[i].utc.toString("yyyy-MM-ddTHH:mm").toStdString(), c.instants[i].utc) << where;
      EXPECT_EQ(instants[i].offset_seconds, c.instants[i].offset_seconds) << where;
    }
    // A skipped reading lies in a jump of the clock; the others in none.
    const auto jump = sundial::JumpAcross(*zone, QDate(c.year, c.month, c.day), c.hour * 3600 + c.minute * 60);
    EXPECT_EQ(jump.has_value(), c.instants.empty()) << where;
  }
}

TEST(ClockReading, AJumpNamesTheChangeAndBothOffsets) {
  const struct {
    const char* zone;
    int year, month, day, hour, minute;
    const char* change_utc;
    int before, after;
  } kCases[] = {
      {"Europe/Berlin", 2026, 3, 29, 2, 30, "2026-03-29T01:00", 3600, 7200},
      {"America/New_York", 2026, 3, 8, 2, 0, "2026-03-08T07:00", -18000, -14400},
      {"Australia/Sydney", 2026, 10, 4, 2, 59, "2026-10-03T16:00", 36000, 39600},
      {"Pacific/Apia", 2011, 12, 30, 0, 0, "2011-12-30T10:00", -36000, 50400},
  };
  for (const auto& c : kCases) {
    const auto jump = sundial::JumpAcross(*sundial::ZoneNamed(c.zone), QDate(c.year, c.month, c.day),
                                          c.hour * 3600 + c.minute * 60);
    ASSERT_TRUE(jump) << c.zone;
    EXPECT_EQ(jump->utc.toString("yyyy-MM-ddTHH:mm").toStdString(), c.change_utc) << c.zone;
    EXPECT_EQ(jump->offset_before_seconds, c.before) << c.zone;
    EXPECT_EQ(jump->offset_after_seconds, c.after) << c.zone;
  }
}

}  // namespace
