// SPDX-License-Identifier: MIT
#include "platform/forms/spin_control.h"

#include <gtest/gtest.h>

namespace {

TEST(SpinStartValue, TakesUpTheBoxNumberClampedOrItsOwnValue) {
  const struct {
    const char* text;
    int own, minimum, maximum, start;
  } kCases[] = {
      {"2002", 1850, 1850, 2050, 2002}, {"3000", 1850, 1850, 2050, 2050}, {"-500", 1850, 1850, 2050, 1850},
      {"", 1900, 1850, 2050, 1900},     {"abc", 7, 1, 12, 7},            {" 5 ", 1, 1, 12, 5},
      {"5.5", 1, 1, 12, 6},             {"1e400", 3, 1, 12, 3},          {"１２", 1, 1, 12, 12},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(platform::SpinStartValue(c.text, c.own, c.minimum, c.maximum), c.start) << c.text;
  }
}

}  // namespace
