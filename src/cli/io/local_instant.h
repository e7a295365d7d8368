// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <string>
#include <string_view>

// A moment as a person writes it down from a clock: the date and time the clock
// showed, read in the clock's zone with the offset in force then (summer time
// included), or with the offset written after it.
namespace cli {

struct LocalInstant {
  QDateTime utc;       // the instant, UTC
  int offset_seconds;  // the clock's offset from UTC then
};

// Reads YYYY-MM-DDTHH:MM[:SS] (a year 0001..9999), optionally followed by Z or
// +hh:mm / -hh:mm. Without an offset the time is `zone`'s clock: a time the clock
// skipped (the hour summer time begins) is refused, and so is one it showed twice
// (the hour summer time ends), saying which offsets it could have had and how to
// write the one meant. Throws ValueError naming `name` ("--at"), or quoting the
// text alone when `name` is empty.
LocalInstant ReadLocalInstant(const std::string& name, std::string_view text, const QTimeZone& zone);

// "UTC+02:00", "UTC-03:30", "UTC+00:00".
std::string OffsetText(int offset_seconds);

}  // namespace cli
