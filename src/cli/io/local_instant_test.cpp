// SPDX-License-Identifier: MIT
// Clock times as a person writes them down: the instant each names in its zone,
// the offset written after it, and the times a summer-time change skipped or
// repeated, refused with what to write instead.
#include "cli/io/local_instant.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/io/errors.h"
#include "clock/zone_names.h"

namespace {

std::string Utc(const cli::LocalInstant& instant) {
  return instant.utc.toString("yyyy-MM-ddTHH:mm:ss").toStdString();
}

TEST(ReadLocalInstant, TheClockOfTheZoneOrTheOffsetWritten) {
  const struct {
    const char* zone;
    const char* text;
    const char* utc;
    int offset_seconds;
  } kCases[] = {
      {"Europe/Berlin", "2026-05-10T14:30", "2026-05-10T12:30:00", 7200},      // summer time
      {"Europe/Berlin", "2026-01-10T14:30:15", "2026-01-10T13:30:15", 3600},   // winter
      {"Asia/Tokyo", "2026-05-10T14:30", "2026-05-10T05:30:00", 32400},
      {"America/New_York", "2026-07-04T09:05", "2026-07-04T13:05:00", -14400},
      {"Asia/Kolkata", "2026-02-01T12:00", "2026-02-01T06:30:00", 19800},
      // The offset written wins over the zone's, and settles a repeated hour.
      {"Europe/Berlin", "2026-10-25T02:30+02:00", "2026-10-25T00:30:00", 7200},
      {"Europe/Berlin", "2026-10-25T02:30+01:00", "2026-10-25T01:30:00", 3600},
      {"Europe/Berlin", "2026-05-10T12:30Z", "2026-05-10T12:30:00", 0},
      {"Asia/Tokyo", "2026-05-10T00:10-03:30", "2026-05-10T03:40:00", -12600},
      // Full-width digits read as their ASCII forms, as everywhere on the command line.
      {"Asia/Tokyo", "２０２６-０５-１０T１４:３０", "2026-05-10T05:30:00", 32400},
      // Just outside the skipped hour.
      {"Europe/Berlin", "2026-03-29T01:59:59", "2026-03-29T00:59:59", 3600},
      {"Europe/Berlin", "2026-03-29T03:00", "2026-03-29T01:00:00", 7200},
  };
  for (const auto& c : kCases) {
    const cli::LocalInstant instant = cli::ReadLocalInstant("--at", c.text, *sundial::ZoneNamed(c.zone));
    EXPECT_EQ(Utc(instant), c.utc) << c.text;
    EXPECT_EQ(instant.offset_seconds, c.offset_seconds) << c.text;
  }
}

TEST(ReadLocalInstant, RefusalsSayWhatIsWrongAndWhatToWrite) {
  const struct {
    const char* zone;
    const char* text;
    const char* message;
  } kCases[] = {
      {"Europe/Berlin", "2026-03-29T02:30",
       "--at '2026-03-29T02:30' never showed on Europe/Berlin's clocks: they went from 02:00 to 03:00 "
       "(UTC+01:00 to UTC+02:00)"},
      {"Europe/Berlin", "2026-10-25T02:30",
       "--at '2026-10-25T02:30' showed twice on Europe/Berlin's clocks, at UTC+02:00 and then at UTC+01:00: "
       "write the offset meant after it, as 2026-10-25T02:30+02:00"},
      {"Australia/Sydney", "2026-04-05T02:15",
       "showed twice on Australia/Sydney's clocks, at UTC+11:00 and then at UTC+10:00"},
      {"America/New_York", "2026-03-08T02:30", "they went from 02:00 to 03:00 (UTC-05:00 to UTC-04:00)"},
      {"Pacific/Apia", "2011-12-30T12:00", "they went from 2011-12-30 00:00 to 2011-12-31 00:00 (UTC-10:00 to UTC+14:00)"},
      {"Europe/Berlin", "2026-02-30T12:00", "'2026-02-30T12:00' is no date of the Gregorian calendar"},
      {"Europe/Berlin", "2026-05-10", "is not a clock time YYYY-MM-DDTHH:MM[:SS]"},
      {"Europe/Berlin", "2026-05-10 14:30", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T24:00", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T14:60", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T14:30:60", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T14:30+15:00", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T14:30+0200", "is not a clock time"},
      {"Europe/Berlin", "2026-05-10T14:30CEST", "is not a clock time"},
      {"Europe/Berlin", "26-05-10T14:30", "is not a clock time"},
      {"Europe/Berlin", "0000-05-10T14:30", "is not a clock time"},
  };
  for (const auto& c : kCases) {
    try {
      (void)cli::ReadLocalInstant("--at", c.text, *sundial::ZoneNamed(c.zone));
      ADD_FAILURE() << c.text << " was accepted";
    } catch (const cli::ValueError& error) {
      EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
    }
  }
}

}  // namespace
