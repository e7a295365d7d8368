// SPDX-License-Identifier: MIT
#include "advance/one_day_advance.h"

#include "engine/module1.h"
#include "platform/core/convert.h"

namespace advance {
namespace {

template <typename Convert>
auto ReadBox(DetailBox box, Convert convert) -> decltype(convert()) {
  try {
    return convert();
  } catch (const platform::RuntimeError& error) {
    throw AdvanceError(error, box);
  }
}

}  // namespace

std::optional<AdvancedDate> AdvanceOneDay(const std::string& month_text, const std::string& day_text,
                                          const std::string& hour_text, int16_t year) {
  using Module1::MonthDays;
  MonthDays.FillCommonYear();
  if (month_text.empty() || day_text.empty() || hour_text.empty()) return std::nullopt;
  if (Module1::IsLeapYear(year)) MonthDays(2) = 29;

  // Day step in 16-bit arithmetic: 32767 + 1 is an overflow.
  const int16_t day = ReadBox(DetailBox::Day, [&] { return platform::TextToInteger(day_text); });
  const int16_t advanced_day = ReadBox(DetailBox::Day, [&] {
    if (day == INT16_MAX) throw platform::RuntimeError::Overflow();
    return static_cast<int16_t>(day + 1);
  });
  const int16_t month = ReadBox(DetailBox::Month, [&] { return platform::TextToInteger(month_text); });
  const int16_t month_length = ReadBox(DetailBox::Month, [&] { return MonthDays(month); });

  AdvancedDate date{month_text, platform::NumberToText(advanced_day)};
  if (month != 12 && advanced_day > month_length) {
    // Next month: the month as read plus one ("03" becomes 4). The box's text plus
    // one would take "1.5" (read as 2) to 2.5 (read as 2 again), back to the 1st of
    // the same month.
    date.month_text = platform::NumberToText(month + 1);
    date.day_text = "1";
  } else if (month == 12 && advanced_day > MonthDays(12)) {
    // Past the year's end: the day returns to where it was.
    date.day_text = platform::NumberToText(advanced_day - 1);
  }
  return date;
}

}  // namespace advance
