// SPDX-License-Identifier: MIT
#include "engine/calendar.h"

#include <gtest/gtest.h>

#include "engine/month_days.h"
#include "platform/core/runtime_error.h"

namespace {

using Module1::DaysInMonth;
using Module1::IsLeapYear;
using Module1::JulianCenturies;
using Module1::JulianDay;
using Module1::MonthDays;

TEST(JulianDay, WorkedDates) {
  const struct {
    int16_t year;
    double month, day, jd;
  } kCases[] = {
      {2000, 1, 1.5, 2451545.0},   {1900, 1, 0.5, 2415020.0},   {1899, 12, 31.5, 2415020.0},
      {2002, 1, 1, 2452275.5},     {2002, 8, 16, 2452502.5},    {1582, 10, 15, 2299160.5},
      {1, 1, 1, 1721425.5},        {0, 3, 1, 1721119.5},
      // Year −1 is handled as −2: 731 days before year 0, not 365.
      {-1, 3, 1, 1720388.5},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(JulianDay(c.year, c.month, c.day), c.jd) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(JulianDay, MonthsAndDaysOutsideTheCalendarContinueLinearly) {
  const struct {
    int16_t year_a;
    double month_a, day_a;
    int16_t year_b;
    double month_b, day_b;
  } kCases[] = {
      {2002, 13, 1, 2003, 1, 1},  {2002, 14, 1, 2003, 2, 1},  {2002, 0, 1, 2001, 12, 1},
      {2002, 1, 32, 2002, 2, 1},  {2002, 3, 0, 2002, 2, 28},  {-500, 1, 32, -500, 2, 1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(JulianDay(c.year_a, c.month_a, c.day_a), JulianDay(c.year_b, c.month_b, c.day_b))
        << c.year_a << "-" << c.month_a << "-" << c.day_a;
  }
}

TEST(JulianDay, ExtremeSixteenBitYearsStayFinite) {
  // −32768 is decreased twice (negative, then January); the arithmetic must not wrap.
  EXPECT_LT(JulianDay(-32768, 1, 1), JulianDay(-32767, 1, 1));
  EXPECT_GT(JulianDay(32767, 12, 31), JulianDay(32767, 1, 1));
  EXPECT_EQ(JulianDay(-32768, 1, 1) + 365, JulianDay(-32767, 1, 1));  // −32768 → −32769 is a common year
}

TEST(JulianCenturies, Epochs) {
  EXPECT_EQ(JulianCenturies(2451545.0), 1.0);
  EXPECT_EQ(JulianCenturies(2415020.0), 0.0);
  EXPECT_EQ(JulianCenturies(2415020.0 - 36525), -1.0);
  EXPECT_DOUBLE_EQ(JulianCenturies(JulianDay(2002, 1, 1)), 1.02);
}

TEST(IsLeapYear, GregorianRuleAndFebruaryLength) {
  const struct {
    int16_t year;
    bool leap;
  } kCases[] = {{2000, true}, {1900, false}, {2004, true}, {2002, false}, {0, true},
                {-4, true},   {-100, false}, {-400, true}, {-1, false},   {32767, false}};
  const int16_t kCommon[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (const auto& c : kCases) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    for (int m = 1; m <= 12; ++m) {
      const int expected = (m == 2 && c.leap) ? 29 : kCommon[m - 1];
      EXPECT_EQ(MonthDays(m), expected) << "year " << c.year << " month " << m;
      EXPECT_EQ(DaysInMonth(c.year, m), expected) << "year " << c.year << " month " << m;
    }
  }
}

TEST(IsLeapYear, RefillsTheWholeTableEveryCall) {
  IsLeapYear(2004);
  MonthDays(7) = 99;  // whatever the table held before
  IsLeapYear(2002);
  EXPECT_EQ(MonthDays(2), 28);
  EXPECT_EQ(MonthDays(7), 31);
}

TEST(MonthDays, IndexOutsideOneToTwelveIsSubscriptOutOfRange) {
  IsLeapYear(2002);
  for (int month : {0, 13, -1, 32767}) {
    try {
      (void)MonthDays[month];
      ADD_FAILURE() << "month " << month << " did not raise";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), 9) << month;
    }
    try {
      (void)DaysInMonth(2004, month);
      ADD_FAILURE() << "DaysInMonth of month " << month << " did not raise";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), 9) << month;
    }
  }
  EXPECT_EQ(MonthDays[12], 31);
  EXPECT_EQ(MonthDays(1), 31);
}

}  // namespace
