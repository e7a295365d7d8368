// SPDX-License-Identifier: MIT
#include "engine/month_days.h"

#include "platform/core/runtime_error.h"

namespace Module1 {

int16_t& MonthDaysTable::operator[](int month) {
  if (month < 1 || month > 12) throw platform::RuntimeError::SubscriptOutOfRange();
  return days_in_month_[static_cast<std::size_t>(month - 1)];
}

void MonthDaysTable::FillCommonYear() {
  days_in_month_ = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

}  // namespace Module1
