// SPDX-License-Identifier: MIT
#include "clock/correction_card.h"

#include <cstdlib>

#include "clock/clock_noon.h"

namespace sundial {

CorrectionCard MakeCorrectionCard(int year, double longitude_east_degrees, const QTimeZone& zone) {
  CorrectionCard card{year, longitude_east_degrees, zone.id(), DialStandardTimeOf(zone, year), {}};
  constexpr int kDaySeconds = 24 * 3600;
  for (const ClockNoon& noon : ClockNoonsOfYear(year, longitude_east_degrees, zone)) {
    const int clock_extra = noon.offset_seconds - card.standard.offset_seconds;
    // The standard-time clock may show the date before (or after) the real clock.
    int standard_clock = noon.clock_seconds - clock_extra;
    QDate date = noon.clock_date;
    if (standard_clock < 0) {
      standard_clock += kDaySeconds;
      date = date.addDays(-1);
    } else if (standard_clock >= kDaySeconds) {
      standard_clock -= kDaySeconds;
      date = date.addDays(1);
    }
    if (date.year() != year) continue;
    CardDay& day = card.days[date.month() - 1][date.day() - 1];
    if (day.has_noon) continue;
    day = {true, standard_clock - 12 * 3600, clock_extra};
  }
  return card;
}

std::string CorrectionText(int seconds) {
  const int magnitude = std::abs(seconds);
  const std::string sign = seconds < 0 ? "\u2212" : "+";
  const int rest = magnitude % 60;
  return sign + std::to_string(magnitude / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace sundial
