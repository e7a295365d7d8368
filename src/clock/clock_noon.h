// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <vector>

// Local apparent noon by a clock that keeps a time zone's time: what a sundial's
// correction table gives for each day.
namespace sundial {

struct ClockNoon {
  QDateTime transit_utc;   // the Sun on the meridian, to the millisecond
  QDate clock_date;        // the date the zone's clock shows then (to the second)
  int offset_seconds;      // the zone's offset from UTC in force then
  int clock_seconds;       // the clock's time then, seconds after its midnight, rounded
  int correction_seconds;  // clock_seconds − 12 h: what to add to the dial's reading
};

// Every transit of the Sun across the meridian at `longitude_east_degrees`
// (−180..180) whose clock date in `zone` lies in `year` (1..32767), once each, in
// time order. Far from the zone's own meridian the transits come near midnight by
// the clock, and as the equation of time changes sign a date may hold two of them
// (one just after midnight, one just before the next) or none; a date the zone
// skipped (Samoa's 30 December 2011) holds none. The clock time is the transit
// rounded to the second, read on the zone's clock; 180° and −180° are one meridian
// and give the same transits. Empty for a year out of range.
std::vector<ClockNoon> ClockNoonsOfYear(int year, double longitude_east_degrees, const QTimeZone& zone);

}  // namespace sundial
