// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTimeZone>
#include <array>
#include <string>

#include "clock/dial_standard_time.h"

// The correction card that hangs beside a dial: for each day of a year, what to
// add to the dial's reading to get the zone's standard time at the dial's noon,
// and on the days the clock keeps another time (summer time) how much more.
namespace sundial {

struct CardDay {
  bool has_noon = false;             // a real date of the year with a transit on it
  int standard_correction_seconds;   // standard-time clock at the transit − 12:00, rounded
  int clock_extra_seconds;           // the clock's offset that day less standard time: summer
                                     // time's amount in summer, 0 on standard-time days
};

struct CorrectionCard {
  int year;
  double longitude_east_degrees;
  QByteArray zone_id;
  DialStandardTime standard;                     // the winter clock, and what summer adds
  std::array<std::array<CardDay, 31>, 12> days;  // [month − 1][day − 1]
};

// The card of `year` (1..32767) at a longitude (−180..180) in `zone`: the same
// transits as ClockNoonsOfYear, each read on the dial maker's standard-time clock
// (DialStandardTimeOf: the winter clock, even where the tz data calls summer's
// offset standard). Where a date has two transits (far from the zone's meridian)
// the first counts.
CorrectionCard MakeCorrectionCard(int year, double longitude_east_degrees, const QTimeZone& zone);

// "+9:56", "−3:05" (U+2212 MINUS SIGN), "+0:00": signed minutes and seconds.
std::string CorrectionText(int seconds);

}  // namespace sundial
