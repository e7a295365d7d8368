// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Texts both sheets print the same way.
namespace paper {

// "UTC+09:00", "UTC−03:30" (U+2212 MINUS SIGN): an offset east of UTC.
QString OffsetText(int seconds);

// A length of time in whole minutes, unsigned: "1 hour", "2 hours", "30 minutes",
// "1 hour 30 minutes"; in Japanese "1時間", "30分", "1時間30分".
QString AmountText(int seconds, bool japanese);

// Millimetres in plain decimals, as few as read back as the same number: "120",
// "120.25", "0.1" (never "1e-21", which the command line refuses).
QString MillimetresText(double mm);

// The compass point nearest an azimuth (degrees from north through east, any
// number of turns): "東", "南西"; "E", "SW".
QString CompassPointText(double azimuth_degrees, bool japanese);

// `value` with `decimals` decimals, never "-0.0": latitudes, angles.
QString DecimalText(double value, int decimals);

// "HH:MM" of a clock, minutes after midnight taken modulo a day.
QString ClockText(int minutes);

}  // namespace paper
