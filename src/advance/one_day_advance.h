// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/core/runtime_error.h"

namespace advance {

// The entry box whose text a failed advance could not use.
enum class DetailBox { Month, Day };

// A runtime error of the one-day advance, with the box that caused it.
class AdvanceError : public platform::RuntimeError {
 public:
  AdvanceError(const platform::RuntimeError& error, DetailBox box) : RuntimeError(error), box_(box) {}
  DetailBox box() const { return box_; }

 private:
  DetailBox box_;
};

struct AdvancedDate {
  std::string month_text;  // unchanged unless the date rolled into the next month
  std::string day_text;
};

// Moves the date in the month and day boxes forward one day within `year`: past
// the month's end (February 29 in a Gregorian leap year) to the 1st of the next
// month (the month as read, plus one); 31 December (or any day past it in December) stays. Returns nullopt when
// any of the three boxes is empty (the hour box is only tested for that).
// Everything is checked before any text is produced: a day or month that is not a
// number, a month outside 1..12 or a day beyond 16 bits throws AdvanceError and
// leaves every box as it was. Refills Module1::MonthDays for `year`.
std::optional<AdvancedDate> AdvanceOneDay(const std::string& month_text, const std::string& day_text,
                                          const std::string& hour_text, int16_t year);

}  // namespace advance
