// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>
#include <string_view>

// Local apparent noon by a clock that keeps a time zone's time: what a sundial's
// correction table gives for each day.
namespace sundial {

struct ClockNoon {
  QDateTime transit_utc;   // the Sun on the meridian, to the millisecond
  int offset_seconds;      // the zone's offset from UTC in force at that instant
  int clock_seconds;       // clock time of the transit, seconds after the date's midnight, rounded
  int correction_seconds;  // clock_seconds − 12 h: what to add to the dial's reading
};

// The transit whose clock date in `zone` is `date` (years 1..32767). Where the zone
// lies far from the longitude's own time, that transit may fall on the previous or
// next UT date. None when no transit falls on that clock date (a date the zone
// skipped) or the year is out of range.
std::optional<ClockNoon> ClockNoonOn(QDate date, double longitude_east_degrees, const QTimeZone& zone);

// A time zone by its IANA name ("Europe/Berlin"), "UTC", or a fixed offset
// ("UTC+09:00", "UTC-03:30"). None for a name the system's zone data lacks.
std::optional<QTimeZone> ZoneNamed(std::string_view name);

}  // namespace sundial
