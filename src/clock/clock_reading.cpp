// SPDX-License-Identifier: MIT
#include "clock/clock_reading.h"

#include <algorithm>
#include <set>

namespace sundial {
namespace {

// The changes of a zone are hours apart, and none moves the clock by more than a
// day (Samoa's skipped 30 December 2011 included): offsets within two days of a
// reading are all that can have shown it.
constexpr qint64 kSearchSeconds = 2 * 24 * 3600;

// The reading as if it were UTC: the instant minus the offset gives the real one.
QDateTime AsIfUtc(QDate date, int seconds_of_day) {
  return QDateTime(date, QTime(0, 0), QTimeZone::utc()).addSecs(seconds_of_day);
}

}  // namespace

std::vector<ClockInstant> InstantsOfClockReading(const QTimeZone& zone, QDate date, int seconds_of_day) {
  const QDateTime local = AsIfUtc(date, seconds_of_day);
  std::set<int> offsets = {zone.offsetFromUtc(local.addSecs(-kSearchSeconds)),
                           zone.offsetFromUtc(local.addSecs(kSearchSeconds))};
  if (zone.hasTransitions()) {
    for (const QTimeZone::OffsetData& change :
         zone.transitions(local.addSecs(-kSearchSeconds), local.addSecs(kSearchSeconds))) {
      offsets.insert(change.offsetFromUtc);
    }
  }
  std::vector<ClockInstant> instants;
  for (const int offset : offsets) {
    const QDateTime utc = local.addSecs(-offset);
    if (zone.offsetFromUtc(utc) == offset) instants.push_back({utc, offset});
  }
  std::sort(instants.begin(), instants.end(),
            [](const ClockInstant& a, const ClockInstant& b) { return a.utc < b.utc; });
  return instants;
}

std::optional<ClockJump> JumpAcross(const QTimeZone& zone, QDate date, int seconds_of_day) {
  if (!zone.hasTransitions()) return std::nullopt;
  const QDateTime local = AsIfUtc(date, seconds_of_day);
  for (const QTimeZone::OffsetData& change :
       zone.transitions(local.addSecs(-kSearchSeconds), local.addSecs(kSearchSeconds))) {
    const int before = zone.offsetFromUtc(change.atUtc.addSecs(-1));
    const int after = change.offsetFromUtc;
    // The clock ran to the change at the old offset and went on from it at the new.
    if (change.atUtc.addSecs(before) <= local && local < change.atUtc.addSecs(after)) {
      return ClockJump{change.atUtc, before, after};
    }
  }
  return std::nullopt;
}

}  // namespace sundial
