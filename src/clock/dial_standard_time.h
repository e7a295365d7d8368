// SPDX-License-Identifier: MIT
#pragma once

#include <QTimeZone>

// The standard time a dial maker means: the clock of winter. The tz data's own
// "standard" offset will not do: where a zone keeps its summer offset as standard
// and a negative summer time in winter (Europe/Dublin: UTC+01:00 standard, UTC+00:00
// from October to March), a card read on it would call winter the odd season and a
// noon mark set for 12:00 would be read at 11:00 on the winter clock.
namespace sundial {

struct DialStandardTime {
  int offset_seconds;  // east of UTC: the lower of the offsets at the two solstices
  int summer_seconds;  // the higher less the lower: what summer time adds; 0 without it
};

// The dial maker's standard time of `zone` in `year` (1..32767): the offsets in
// force on 21 June and 21 December at 12:00 UTC (no zone changes its clocks within
// weeks of a solstice), the lower one standard and the difference summer time.
// Europe/Dublin gives UTC+00:00 and 1 hour, Australia/Sydney UTC+10:00 and 1 hour,
// Africa/Casablanca UTC+01:00 and none (its clocks go back an hour for Ramadan,
// which is no summer time), Europe/Berlin UTC+01:00 and 1 hour.
DialStandardTime DialStandardTimeOf(const QTimeZone& zone, int year);

}  // namespace sundial
