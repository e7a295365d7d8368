// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTimeZone>
#include <array>
#include <string>

// The correction card that hangs beside a dial: for each day of a year, what to
// add to the dial's reading to get the zone's standard time at the dial's noon,
// and on summer-time days how much more.
namespace sundial {

struct CardDay {
  bool has_noon = false;             // a real date of the year with a transit on it
  int standard_correction_seconds;   // standard-time clock at the transit − 12:00, rounded
  int summer_extra_seconds;          // what summer time adds on the clock that day; 0 outside it
};

struct CorrectionCard {
  int year;
  double longitude_east_degrees;
  QByteArray zone_id;
  std::array<std::array<CardDay, 31>, 12> days;  // [month − 1][day − 1]
};

// The card of `year` (1..32767) at a longitude (−180..180) in `zone`: the same
// transits as ClockNoonsOfYear, each read on the zone's standard-time clock (its
// offset less the summer-time part in force then). Where a date has two transits
// (far from the zone's meridian) the first counts.
CorrectionCard MakeCorrectionCard(int year, double longitude_east_degrees, const QTimeZone& zone);

// "+9:56", "−3:05" (U+2212 MINUS SIGN), "+0:00": signed minutes and seconds.
std::string CorrectionText(int seconds);

}  // namespace sundial
