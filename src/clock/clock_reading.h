// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>
#include <vector>

// What a zone's clock showed, turned back into instants: the clock in force then,
// summer time included. Once a year a summer-time change skips an hour of the
// clock and once it repeats one, so a reading names one instant, none or two.
namespace sundial {

struct ClockInstant {
  QDateTime utc;       // the instant, in UTC
  int offset_seconds;  // the zone's offset from UTC then, summer time included
};

// The instants at which `zone`'s clock showed `seconds_of_day` (0..86399) on
// `date`, in time order: one; none when a change of offset skipped that time
// (02:30 on the morning summer time begins in Berlin); two when one repeated it
// (02:30 on the morning it ends: first at UTC+02:00, then at UTC+01:00).
std::vector<ClockInstant> InstantsOfClockReading(const QTimeZone& zone, QDate date, int seconds_of_day);

// The change of offset around a reading that named no instant: the last instant
// of the old offset's clock and the first of the new one's (02:00 and 03:00 in
// Berlin when summer time begins), with the offsets before and after.
struct ClockJump {
  QDateTime utc;  // the change
  int offset_before_seconds;
  int offset_after_seconds;
};

// The change of offset that skipped a reading: the one whose clock jumped over
// `seconds_of_day` of `date`. None when no change skipped it.
std::optional<ClockJump> JumpAcross(const QTimeZone& zone, QDate date, int seconds_of_day);

}  // namespace sundial
