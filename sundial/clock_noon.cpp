// SPDX-License-Identifier: MIT
#include "sundial/clock_noon.h"

#include <QByteArray>
#include <cmath>
#include <limits>

#include "sundial/apparent_noon.h"

namespace sundial {

std::optional<ClockNoon> ClockNoonOn(QDate date, double longitude_east_degrees, const QTimeZone& zone) {
  if (!date.isValid() || !zone.isValid() || date.year() < 1 || date.year() > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  const QDateTime midnight_utc(date, QTime(0, 0), QTimeZone::utc());
  // The transit of the same UT date first; a zone far from the longitude's own
  // time shows the one of the day before or after on this clock date.
  for (const int day_shift : {0, -1, 1}) {
    const double hours = day_shift * 24 +
        ApparentNoonUtHours(static_cast<int16_t>(date.year()), date.month(), date.day() + day_shift,
                            longitude_east_degrees);
    const QDateTime transit = midnight_utc.addMSecs(std::llround(hours * 3600 * 1000));
    const int offset_seconds = zone.offsetFromUtc(transit);
    if (transit.toTimeZone(zone).date() != date) continue;
    const int clock_seconds = static_cast<int>(std::lround(hours * 3600 + offset_seconds));
    return ClockNoon{transit, offset_seconds, clock_seconds, clock_seconds - 12 * 3600};
  }
  return std::nullopt;
}

std::optional<QTimeZone> ZoneNamed(std::string_view name) {
  const QByteArray id(name.data(), static_cast<qsizetype>(name.size()));
  if (id.isEmpty()) return std::nullopt;
  QTimeZone zone(id);
  if (!zone.isValid()) return std::nullopt;
  return zone;
}

}  // namespace sundial
