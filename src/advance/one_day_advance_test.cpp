// SPDX-License-Identifier: MIT
#include "advance/one_day_advance.h"

#include <gtest/gtest.h>

#include "engine/month_days.h"

namespace {

using advance::AdvanceOneDay;

TEST(AdvanceOneDay, MonthEndsLeapYearsAndTheYearEnd) {
  const struct {
    int year;
    const char *month, *day, *month_after, *day_after;
  } kCases[] = {
      {2002, "2", "28", "3", "1"},    {2004, "2", "28", "2", "29"},   {2004, "2", "29", "3", "1"},
      {2000, "2", "28", "2", "29"},   {1900, "2", "28", "3", "1"},    {2002, "1", "31", "2", "1"},
      {2002, "4", "30", "5", "1"},    {2002, "11", "30", "12", "1"},  {2002, "12", "30", "12", "31"},
      {2002, "12", "31", "12", "31"}, {2002, "12", "32", "12", "32"}, {2002, "12", "35", "12", "35"},
      {2002, "4", "31", "5", "1"},    {2002, "2", "30", "3", "1"},    {2002, "2", "29", "3", "1"},
      {2002, "5", "0", "5", "1"},     {2002, "5", "-5", "5", "-4"},   {2002, "5", "09", "5", "10"},
      {2002, "03", "31", "4", "1"},   {2002, "03", "5", "03", "6"},   {2002, "3", "99", "4", "1"},
      {2002, "12", "99", "12", "99"}, {-4, "2", "28", "2", "29"},     {-100, "2", "28", "3", "1"},
      {2002, " 6", "15", " 6", "16"}, {2002, "６", "３０", "7", "1"},
      // A half in the month box is read as its even neighbour; the roll goes on from
      // there. It used to write the box's own number plus one: 1.5 became 2.5, read
      // as 2 again, so 31 February went back to 1 February.
      {2002, "1.5", "31", "3", "1"},  {2002, "2.5", "31", "3", "1"},  {2002, "10.5", "31", "11", "1"},
  };
  for (const auto& c : kCases) {
    const auto date = AdvanceOneDay(c.month, c.day, "12", static_cast<int16_t>(c.year));
    ASSERT_TRUE(date.has_value()) << c.year << " " << c.month << "/" << c.day;
    EXPECT_EQ(date->month_text + "/" + date->day_text, std::string(c.month_after) + "/" + c.day_after)
        << c.year << " " << c.month << "/" << c.day;
  }
}

TEST(AdvanceOneDay, ADayOf99AdvancesToTheWholeText100) {
  const auto date = AdvanceOneDay("1", "99", "0", 2002);
  ASSERT_TRUE(date);
  EXPECT_EQ(date->month_text, "2");  // 100 > 31: next month
  EXPECT_EQ(date->day_text, "1");
}

TEST(AdvanceOneDay, AnEmptyBoxBlocksTheAdvance) {
  const struct {
    const char *month, *day, *hour;
  } kCases[] = {{"", "5", "1"}, {"3", "", "1"}, {"3", "5", ""}, {"", "", ""}};
  for (const auto& c : kCases) {
    EXPECT_FALSE(AdvanceOneDay(c.month, c.day, c.hour, 2002).has_value())
        << "'" << c.month << "' '" << c.day << "' '" << c.hour << "'";
  }
  // The hour box is only tested for emptiness.
  EXPECT_TRUE(AdvanceOneDay("3", "5", "not a number", 2002).has_value());
}

TEST(AdvanceOneDay, FaultsNameTheBoxAndProduceNoText) {
  const struct {
    const char *month, *day;
    int number;
    advance::DetailBox box;
  } kCases[] = {
      // Month 13 used to fail after the day box had been advanced.
      {"13", "5", 9, advance::DetailBox::Month},  {"0", "5", 9, advance::DetailBox::Month},
      {"-1", "40", 9, advance::DetailBox::Month}, {"x", "5", 13, advance::DetailBox::Month},
      {"3", "x", 13, advance::DetailBox::Day},    {"x", "x", 13, advance::DetailBox::Day},
      {"3", "32767", 6, advance::DetailBox::Day}, {"3", "1e9", 6, advance::DetailBox::Day},
      {"40000", "1", 6, advance::DetailBox::Month},
  };
  for (const auto& c : kCases) {
    try {
      AdvanceOneDay(c.month, c.day, "0", 2002);
      ADD_FAILURE() << c.month << "/" << c.day << " did not raise";
    } catch (const advance::AdvanceError& error) {
      EXPECT_EQ(error.number(), c.number) << c.month << "/" << c.day;
      EXPECT_EQ(error.box(), c.box) << c.month << "/" << c.day;
    }
  }
}

TEST(AdvanceOneDay, LeavesTheMonthTableDescribingTheYear) {
  AdvanceOneDay("1", "1", "0", 2004);
  EXPECT_EQ(Module1::MonthDays(2), 29);
  AdvanceOneDay("", "1", "0", 2004);  // blocked: the common-year table only
  EXPECT_EQ(Module1::MonthDays(2), 28);
}

}  // namespace
