// SPDX-License-Identifier: MIT
#include "engine/equation_of_time_at.h"
#include "engine/day_argument.h"

#include <gtest/gtest.h>

namespace {

using Module1::EotMinutesText;
using Module1::EotSeconds;
using Module1::EquationOfTimeAt;
using Module1::EquationOfTimeValueAt;
using Module1::MinutesText;
using Module1::SplitMinutes;

TEST(EquationOfTimeAt, WorkedInstantsOf2002) {
  const struct {
    double month, day_argument;
    const char* minutes_text;
    float seconds;
  } kCases[] = {
      {2, 11.125, "- 14", 16.3f},  // 11 February 12h, jd 2452317.0
      {11, 3.125, "+ 16", 28.2f},  // 3 November 12h
      {5, 14.0, "+ 3", 40.5f},     // 14 May 9h
      {7, 25.625, "- 6", 30.6f},   // 26 July 0h
      {4, 15.125, "- 0", 3.7f},    // 15 April 12h: m in (−1, 0)
  };
  for (const auto& c : kCases) {
    const auto value = EquationOfTimeValueAt(2002, c.month, c.day_argument);
    EXPECT_EQ(MinutesText(value), c.minutes_text) << c.month << "/" << c.day_argument;
    EXPECT_EQ(value.seconds, c.seconds) << c.month << "/" << c.day_argument;
    EquationOfTimeAt(2002, c.month, c.day_argument);
    EXPECT_EQ(EotMinutesText, c.minutes_text) << c.month << "/" << c.day_argument;
    EXPECT_EQ(EotSeconds, c.seconds) << c.month << "/" << c.day_argument;
  }
}

TEST(EquationOfTimeAt, EachCallReplacesThePreviousResult) {
  EquationOfTimeAt(2002, 2, 11.125);
  EquationOfTimeAt(2002, 11, 3.125);
  EXPECT_EQ(EotMinutesText, "+ 16");
  EXPECT_EQ(EotSeconds, 28.2f);
}

TEST(SplitMinutes, SignWholeMinutesAndSeconds) {
  const struct {
    double minutes;
    const char* text;
    float seconds;
  } kCases[] = {
      {0.0, "+ 0", 0.0f},      {-0.0, "+ 0", 0.0f},     {-0.5, "- 0", 30.0f},
      {-7.0, "- 7", 0.0f},     {7.0, "+ 7", 0.0f},      {-14.271947, "- 14", 16.3f},
      {16.470496, "+ 16", 28.2f},
      {26.999, "+ 26", 59.9f},
      // Seconds that round to 60.0 carry into the minutes; this used to publish
      // 7 minutes and 60 seconds.
      {7.9996, "+ 8", 0.0f},   {-7.9996, "- 8", 0.0f},  {0.99999, "+ 1", 0.0f},
  };
  for (const auto& c : kCases) {
    const auto value = SplitMinutes(c.minutes);
    EXPECT_EQ(MinutesText(value), c.text) << c.minutes;
    EXPECT_EQ(value.seconds, c.seconds) << c.minutes;
    EXPECT_EQ(value.minutes, c.minutes) << c.minutes;
  }
}

}  // namespace

TEST(DayArgument, SinglePrecisionDayValues) {
  EXPECT_EQ(Module1::DayArgument(1, 0), 0.625f);
  EXPECT_EQ(Module1::DayArgument(15, 12), 15.125f);
  EXPECT_EQ(Module1::DayArgument(15, 13), static_cast<float>(15 + 13 / 24.0 - 0.375));
  EXPECT_EQ(Module1::DayArgument(15, 13), 15.166667f);
  EXPECT_EQ(Module1::DayArgument(1, 30), 1.875f) << "an hour of 30 adds 1.25 days";
}
