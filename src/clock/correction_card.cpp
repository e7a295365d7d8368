// SPDX-License-Identifier: MIT
#include "clock/correction_card.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include "clock/clock_noon.h"

namespace sundial {
namespace {

constexpr int kDaySeconds = 24 * 3600;

// One date of one year: the value before and after rounding.
struct YearDay {
  bool has_noon = false;
  double seconds = 0;  // on the standard-time clock less 12:00, or −E, unrounded
  int rounded = 0;     // as a card of this year alone prints it
  int clock_extra_seconds = 0;
};
using YearDays = std::array<std::array<YearDay, 31>, 12>;

YearDays DaysOfYear(int year, double longitude_east_degrees, const QTimeZone& zone, bool with_longitude) {
  YearDays days{};
  const int standard_offset = DialStandardTimeOf(zone, year).offset_seconds;
  for (const ClockNoon& noon : ClockNoonsOfYear(year, longitude_east_degrees, zone)) {
    const int clock_extra = noon.offset_seconds - standard_offset;
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
    YearDay& day = days[date.month() - 1][date.day() - 1];
    if (day.has_noon) continue;
    // The transit to the millisecond on the standard-time clock of that date.
    const qint64 clock_ms = noon.transit_utc.toMSecsSinceEpoch() + qint64{standard_offset} * 1000 -
                            QDateTime(date, QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    double seconds = static_cast<double>(clock_ms) / 1000 - 12 * 3600;
    int rounded = standard_clock - 12 * 3600;
    if (!with_longitude) {
      // Less the difference of longitude: the zone's meridian (offset / 240 s a
      // degree) less the dial's, at 4 minutes a degree.
      seconds -= standard_offset - longitude_east_degrees * 240;
      rounded = static_cast<int>(std::lround(seconds));
    }
    day = {true, seconds, rounded, clock_extra};
  }
  return days;
}

}  // namespace

CorrectionCard MakeCorrectionCard(int year, double longitude_east_degrees, const QTimeZone& zone, CardKind kind) {
  CorrectionCard card{year, longitude_east_degrees, zone.id(), DialStandardTimeOf(zone, year), kind, {}, 0};
  const int last = std::min(year + std::max(kind.mean_years, 1) - 1, 32767);
  card.kind.mean_years = last - year + 1;
  std::vector<YearDays> years;
  for (int y = year; y <= last; ++y) years.push_back(DaysOfYear(y, longitude_east_degrees, zone, kind.with_longitude));
  for (int month = 0; month < 12; ++month) {
    for (int day = 0; day < 31; ++day) {
      double sum = 0;
      int count = 0;
      std::map<int, int> extras;  // the clock's other offsets, and on how many of the years
      for (const YearDays& days : years) {
        const YearDay& d = days[month][day];
        if (!d.has_noon) continue;
        sum += d.seconds;
        ++count;
        if (d.clock_extra_seconds != 0) ++extras[d.clock_extra_seconds];
      }
      if (count == 0) continue;
      CardDay& cell = card.days[month][day];
      cell.has_noon = true;
      cell.standard_correction_seconds =
          years.size() == 1 ? years[0][month][day].rounded : static_cast<int>(std::lround(sum / count));
      cell.clock_extra_seconds = 0;
      for (const auto& [extra, times] : extras) {
        cell.clock_extra_years += times;
        if (cell.clock_extra_seconds == 0 || times > extras[cell.clock_extra_seconds]) {
          cell.clock_extra_seconds = extra;
        }
      }
      for (const YearDays& days : years) {
        const YearDay& d = days[month][day];
        if (d.has_noon) {
          card.largest_year_difference_seconds =
              std::max(card.largest_year_difference_seconds, std::abs(cell.standard_correction_seconds - d.rounded));
        }
      }
    }
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
