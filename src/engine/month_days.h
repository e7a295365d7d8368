// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace Module1 {

// The month-length table, indexed 1 (January) to 12 (December). Any other index
// raises the runtime's subscript-out-of-range error (9), as reading past the end of
// a fixed array does in the forms runtime.
class MonthDaysTable {
 public:
  int16_t& operator[](int month);
  int16_t& operator()(int month) { return (*this)[month]; }

  // Overwrites all twelve entries with the common-year lengths 31, 28, 31, ...
  void FillCommonYear();

 private:
  std::array<int16_t, 12> days_in_month_{};
};

// The one table of the program, for the detail window: written by IsLeapYear and
// the one-day advance, read only by the one-day advance.
inline MonthDaysTable MonthDays;

}  // namespace Module1
