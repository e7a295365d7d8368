// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The numbers of a row written into a caller's buffer, without allocating: a batch
// of a million rows writes them a million times. Each writes at `at` and returns the
// end of what it wrote; `at` must have room for kMaxNumberText bytes. Each gives the
// same text as the general functions it stands for (day_value.cpp, convert.h).
namespace cli {

inline constexpr int kMaxNumberText = 400;  // the longest fixed form of a double

// Six decimals, correctly rounded, with a full stop: "-14.271947", as
// std::to_chars(..., std::chars_format::fixed, 6) writes it.
char* WriteSixDecimals(char* at, double value);

// A single in the general form (platform::SingleToText): "16.3", "0", "5".
char* WriteSingle(char* at, float value);

// A double in the general form (platform::NumberToText): the whole minutes "14".
char* WriteNumber(char* at, double value);

// The shortest fixed text that reads back as `value`: "12", "7.5", "0.00001".
char* WriteShortest(char* at, double value);

// "YYYY-MM-DD" with at least four year digits and a minus before year 0: "-0500-01-01".
char* WriteIsoDate(char* at, int year, int month, int day);

}  // namespace cli
