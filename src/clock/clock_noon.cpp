// SPDX-License-Identifier: MIT
#include "clock/clock_noon.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "sundial/apparent_noon.h"

namespace sundial {

std::vector<ClockNoon> ClockNoonsOfYear(int year, double longitude_east_degrees, const QTimeZone& zone) {
  std::vector<ClockNoon> noons;
  if (!zone.isValid() || year < 1 || year > std::numeric_limits<int16_t>::max()) return noons;
  // One meridian, one computation: at +180° the transit of a UT date is the one
  // −180° gives for the UT date before.
  const double longitude = longitude_east_degrees == 180 ? -180 : longitude_east_degrees;
  const QDateTime first_midnight_utc(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc());
  // Each UT date has one transit at a longitude. A zone is at most 14 h from UTC
  // and a transit at most 12.5 h from its date's 0h UT, so the transits of the
  // year's clock dates belong to the UT dates from two days before to two after.
  const int days_in_year = QDate(year, 1, 1).daysInYear();
  for (int day = -1; day <= days_in_year + 2; ++day) {  // day of January: 0 is 31 December before
    const double hours =
        ApparentNoonUtHours(static_cast<int16_t>(year), 1, day, longitude);
    const QDateTime midnight_utc = first_midnight_utc.addDays(day - 1);
    const QDateTime transit = midnight_utc.addMSecs(std::llround(hours * 3600 * 1000));
    const QDateTime on_the_clock = midnight_utc.addSecs(std::llround(hours * 3600)).toTimeZone(zone);
    if (on_the_clock.date().year() != year) continue;
    const int offset_seconds = on_the_clock.offsetFromUtc();
    const int clock_seconds = on_the_clock.time().msecsSinceStartOfDay() / 1000;
    noons.push_back({transit, on_the_clock.date(), offset_seconds, clock_seconds, clock_seconds - 12 * 3600});
  }
  return noons;
}

}  // namespace sundial
