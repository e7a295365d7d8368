// SPDX-License-Identifier: MIT
#include "clock/dial_standard_time.h"

#include <QDateTime>
#include <algorithm>
#include <cstdlib>

namespace sundial {

DialStandardTime DialStandardTimeOf(const QTimeZone& zone, int year) {
  const int june = zone.offsetFromUtc(QDateTime(QDate(year, 6, 21), QTime(12, 0), QTimeZone::utc()));
  const int december = zone.offsetFromUtc(QDateTime(QDate(year, 12, 21), QTime(12, 0), QTimeZone::utc()));
  return {std::min(june, december), std::abs(june - december)};
}

}  // namespace sundial
