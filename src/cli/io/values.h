// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The command line's numbers. Unlike the windows' boxes, which read the leading
// number of whatever was typed, these accept a value only when the whole argument
// is one, in range, written the same whatever the locale: a script that passes
// "2002abc", "1e30" or 30 February gets an error, not a quiet guess. The text is
// read through platform::AsciiDigits, as the windows read theirs: full-width digits,
// minus and full stop count as their ASCII forms.
// Each throws ValueError naming the argument.
namespace cli {

// A whole number in -32768..32767.
int16_t ReadYear(const std::string& name, const std::string& text);

// A whole number 1..12.
int ReadMonth(const std::string& name, const std::string& text);

// A whole number from 1 to the length of `month` in `year` (Gregorian).
int ReadDay(const std::string& name, const std::string& text, int16_t year, int month);

// A decimal number (digits, optionally a point and more digits) with
// 0 <= hours < 24.
double ReadHour(const std::string& name, const std::string& text);

// A decimal number of degrees, east positive, with an optional leading minus:
// -180 <= degrees <= 180.
double ReadLongitude(const std::string& name, const std::string& text);

// A decimal number of degrees, north positive, with an optional leading minus:
// -90 <= degrees <= 90.
double ReadLatitude(const std::string& name, const std::string& text);

// A decimal number of millimetres, 0.1 <= mm <= 100000 (100 m). Below a tenth of
// a millimetre the figure is a dot; the sheets print the height as it was read
// (paper::MillimetresText), in the same plain decimals.
inline constexpr double kLeastHeightMm = 0.1;
inline constexpr double kMostHeightMm = 100000;
double ReadHeightMm(const std::string& name, const std::string& text);

// A decimal number of degrees, 0 <= degrees <= `high` (no sign): a plate's tilt or
// facing. `what` names it in the refusal: "is not a tilt 0..180 (decimal degrees,
// with a point)".
double ReadDegrees(const std::string& name, const std::string& text, double high, const std::string& what);

// A whole number in [low, high] (decimal digits only).
int ReadWholeInRange(const std::string& name, const std::string& text, int low, int high);

// A decimal number of degrees with an optional leading minus, -180..180: an angle
// measured either way from a direction.
double ReadSignedAngle(const std::string& name, const std::string& text);

// A decimal number of metres, 0 < m <= 1000.
double ReadLengthM(const std::string& name, const std::string& text);

// A clock time HH:MM, two digits each, 00:00..23:59: minutes after midnight.
int ReadClockMinutes(const std::string& name, const std::string& text);

}  // namespace cli
