// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTimeZone>
#include <array>
#include <string>

#include "clock/dial_standard_time.h"

// The correction card that hangs beside a dial: for each day of a year, or the
// mean of several, what to add to the dial's reading to get the zone's standard
// time at the dial's noon, and on the days the clock keeps another time (summer
// time) how much more.
namespace sundial {

struct CardDay {
  bool has_noon = false;             // a real date of the card's years with a transit on it
  int standard_correction_seconds;   // what to add to the dial's reading, rounded (see CardKind)
  int clock_extra_seconds;           // the clock's offset that day less standard time: summer
                                     // time's amount in summer, 0 on standard-time days
  int clock_extra_years = 0;         // of the card's years, how many keep another offset that day
};

// Which dial the card is for, and for how long.
struct CardKind {
  // True: a dial whose lines show local apparent time; the card adds the
  // difference of longitude from the zone's meridian and the equation of time.
  // False: a dial whose lines carry the longitude correction already (they show
  // standard time but for the equation of time); the card adds −E alone.
  bool with_longitude = true;
  // The mean of this many years from the card's year, 1..400: a card that lasts.
  int mean_years = 1;
};

struct CorrectionCard {
  int year;
  double longitude_east_degrees;
  QByteArray zone_id;
  DialStandardTime standard;                     // the winter clock of `year`, and what summer adds
  CardKind kind;
  std::array<std::array<CardDay, 31>, 12> days;  // [month − 1][day − 1]
  // The mean card's largest difference from the card of any one of its years,
  // cell by cell, seconds; 0 for a card of one year.
  int largest_year_difference_seconds = 0;
};

// The card of `year` (1..32767, and the last of its years no later) at a longitude
// (−180..180) in `zone`: the same transits as ClockNoonsOfYear, each read on the
// dial maker's standard-time clock of its year (DialStandardTimeOf: the winter
// clock, even where the tz data calls summer's offset standard), less 12:00;
// without the longitude, −E at the transit (that less the difference of
// longitude, (zone's meridian − longitude) × 4 min). Where a date has two
// transits (far from the zone's meridian) the first counts. A mean of years
// averages each date over the years that have it (29 February over the leap
// years) before rounding; a day keeps the clock's other offset of the years that
// have one then.
CorrectionCard MakeCorrectionCard(int year, double longitude_east_degrees, const QTimeZone& zone,
                                  CardKind kind = {});

// "+9:56", "−3:05" (U+2212 MINUS SIGN), "+0:00": signed minutes and seconds.
std::string CorrectionText(int seconds);

}  // namespace sundial
