// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/testing/scoped_locale.h"
#include "windows/testing/program_fixture.h"

namespace {

class Detail : public ProgramTest {
 protected:
  void OpenDetail(const char* year) {
    Start();
    ConfirmYear(year);
    Choose(frm2kin_, "mnuday");
  }
  std::string Text(const char* box) { return Box(frm4kin_, box)->Text(); }
  void Enter(const char* month, const char* day, const char* hour) {
    Type(frm4kin_, "txt1", month);
    Type(frm4kin_, "txt2", day);
    Type(frm4kin_, "txt3", hour);
  }
  // The texts of the calculation and of the one-day advance for a few instants, and
  // the messages they raised, as one text to compare between locales.
  std::string CalculateAndAdvance() {
    const struct {
      const char *month, *day, *hour;
    } kCases[] = {{"2", "11", "12"}, {"11", "3", "12"}, {"2", "28", "0"}, {"12", "31", "23"}, {"5", "14", "9"}};
    std::string texts;
    events_.clear();
    for (const auto& c : kCases) {
      Enter(c.month, c.day, c.hour);
      Click(frm4kin_, "btnok");
      texts += Text("txt5") + " " + Text("txt6") + " | ";
      Click(frm4kin_, "Command4");
      texts += Text("txt1") + "/" + Text("txt2") + " | messages " + std::to_string(Messages().size()) + "\n";
    }
    return texts;
  }
};

TEST_F(Detail, ActivationShowsTheYearAndThePresentMonthDayHour) {
  clock_ = {2024, 2, 29, 7};  // a leap day, while the chosen year is common
  OpenDetail("2002");
  EXPECT_EQ(frm4kin_.Caption(), "均時差詳細（2002年)");
  EXPECT_EQ(Text("txt1"), "2");
  EXPECT_EQ(Text("txt2"), "29");
  EXPECT_EQ(Text("txt3"), "7");
  EXPECT_EQ(Text("txt5"), "");
  EXPECT_EQ(Text("txt6"), "");
  EXPECT_EQ(FocusOf(frm4kin_), Button(frm4kin_, "btnok"));
  Click(frm4kin_, "btnok");
  EXPECT_NE(Text("txt5"), "") << "29 February goes through unchanged";
  EXPECT_EQ(Text("txt2"), "29");
}

TEST_F(Detail, TitleOfAYearBeforeTheCommonEra) {
  OpenDetail("-500");
  EXPECT_EQ(frm4kin_.Caption(), "均時差詳細（-500年)");
}

TEST_F(Detail, CalculationOfWorkedInstants) {
  OpenDetail("2002");
  const struct {
    const char *month, *day, *hour, *minutes, *seconds;
  } kCases[] = {
      {"2", "11", "12", "- 14", "16.3"},
      {"11", "3", "12", "+ 16", "28.2"},
      {"5", "14", "9", "+ 3", "40.5"},
      {"7", "26", "0", "- 6", "30.6"},
      {"4", "15", "12", "- 0", "3.7"},
  };
  for (const auto& c : kCases) {
    Enter(c.month, c.day, c.hour);
    Click(frm4kin_, "btnok");
    EXPECT_EQ(Text("txt5"), c.minutes) << c.month << "/" << c.day;
    EXPECT_EQ(Text("txt6"), c.seconds) << c.month << "/" << c.day;
    EXPECT_EQ(FocusOf(frm4kin_), Button(frm4kin_, "Command1"));
  }
}

TEST_F(Detail, ABoxThatIsNotANumberIsReportedAndChangesNothing) {
  OpenDetail("2002");
  Enter("2", "11", "12");
  Click(frm4kin_, "btnok");
  const struct {
    const char *month, *day, *hour, *culprit;
  } kCases[] = {
      {"2", "11", "", "txt3"},  {"2", "", "12", "txt2"}, {"", "11", "12", "txt1"},
      {"x", "y", "z", "txt3"},  {"２", "1１", "時", "txt3"},
  };
  for (const auto& c : kCases) {
    Enter(c.month, c.day, c.hour);
    events_.clear();
    Click(frm4kin_, "btnok");
    ASSERT_EQ(Messages().size(), 1u) << c.culprit;
    EXPECT_EQ(Messages()[0].text, "実行時エラー '13':\n\n型が一致しません。");
    EXPECT_EQ(Text("txt5"), "- 14") << "the earlier result stays";
    EXPECT_EQ(Text("txt6"), "16.3");
    EXPECT_EQ(FocusOf(frm4kin_), Box(frm4kin_, c.culprit));
    EXPECT_TRUE(frm4kin_.IsVisible());
    EXPECT_EQ(ends_, 0);
  }
}

TEST_F(Detail, ReEnterAndBack) {
  OpenDetail("2002");
  Enter("2", "11", "12");
  Click(frm4kin_, "btnok");
  clock_ = {2026, 6, 1, 23};
  Click(frm4kin_, "Command1");
  EXPECT_EQ(Text("txt1") + "/" + Text("txt2") + " " + Text("txt3"), "6/1 23");
  EXPECT_EQ(Text("txt5") + Text("txt6"), "");
  EXPECT_EQ(FocusOf(frm4kin_), Button(frm4kin_, "btnok"));

  Click(frm4kin_, "btnok");
  Click(frm4kin_, "Command2");
  EXPECT_EQ(Text("txt5") + Text("txt6"), "") << "cleared before hiding";
  EXPECT_FALSE(frm4kin_.IsVisible());
  EXPECT_TRUE(frm2kin_.IsEnabled());

  // Opening again shows the present instant, not the last entries.
  clock_ = {2026, 3, 4, 5};
  Choose(frm2kin_, "mnuday");
  EXPECT_EQ(Text("txt1") + "/" + Text("txt2") + " " + Text("txt3"), "3/4 5");
}

TEST_F(Detail, MenuItemsRunTheButtonProcedures) {
  OpenDetail("2002");
  Enter("2", "11", "12");
  Choose(frm4kin_, "mnust");
  EXPECT_EQ(Text("txt5"), "- 14");
  Choose(frm4kin_, "mnuzen");
  EXPECT_EQ(Text("txt2"), "12");
  EXPECT_EQ(Text("txt5"), "- 14") << "the advance leaves the results";
  Choose(frm4kin_, "mnurep");
  EXPECT_EQ(Text("txt5"), "");
  Choose(frm4kin_, "mnuback");
  EXPECT_FALSE(frm4kin_.IsVisible());
}

TEST_F(Detail, AdvanceThroughTheWindow) {
  OpenDetail("2002");
  Enter("2", "28", "12");
  Click(frm4kin_, "Command4");
  EXPECT_EQ(Text("txt1") + "/" + Text("txt2"), "3/1");

  Enter("2", "28", "");
  Click(frm4kin_, "Command4");
  EXPECT_EQ(Text("txt1") + "/" + Text("txt2"), "2/28") << "an empty hour box blocks the advance";
  EXPECT_EQ(FocusOf(frm4kin_), Box(frm4kin_, "txt1"));
}

TEST_F(Detail, AdvanceFaultsAreReportedWithEveryBoxUnchanged) {
  OpenDetail("2002");
  const struct {
    const char *month, *day;
    int number;
    const char* culprit;
  } kCases[] = {
      {"13", "5", 9, "txt1"},  // used to leave the day advanced before failing
      {"0", "31", 9, "txt1"},
      {"x", "5", 13, "txt1"},
      {"3", "x", 13, "txt2"},
  };
  for (const auto& c : kCases) {
    Enter(c.month, c.day, "12");
    events_.clear();
    Click(frm4kin_, "Command4");
    ASSERT_EQ(Messages().size(), 1u) << c.month << "/" << c.day;
    const std::string heading = "実行時エラー '" + std::to_string(c.number) + "':";
    EXPECT_EQ(Messages()[0].text.substr(0, heading.size()), heading);
    EXPECT_EQ(Text("txt1"), c.month);
    EXPECT_EQ(Text("txt2"), c.day);
    EXPECT_EQ(FocusOf(frm4kin_), Box(frm4kin_, c.culprit));
  }
}

TEST_F(Detail, ADayOf99BecomesTheWholeText100) {
  OpenDetail("2002");
  Enter("3", "99", "0");
  Click(frm4kin_, "Command4");
  EXPECT_EQ(Text("txt1") + "/" + Text("txt2"), "4/1");
  Enter("12", "99", "0");
  Click(frm4kin_, "Command4");
  EXPECT_EQ(Text("txt2"), "99");
}

// Under a decimal-comma locale (the toolkit takes LC_NUMERIC from the environment)
// the seconds were written "16,3" and read back as a type mismatch on every
// calculation.
TEST_F(Detail, SameTextsUnderDecimalCommaLocales) {
  OpenDetail("2002");
  std::string reference;
  {
    platform::testing::ScopedLocale c_utf8("C.UTF-8");
    reference = CalculateAndAdvance();
  }
  EXPECT_NE(reference.find("- 14 16.3 | 2/12 | messages 0"), std::string::npos) << reference;
  std::string missing;
  for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
    platform::testing::ScopedLocale scoped(locale);
    if (!scoped.Active()) {
      missing += std::string(" ") + locale;
      continue;
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 16.3);
    ASSERT_STREQ(printed, "16,3") << "the C library writes a decimal comma under " << locale;
    EXPECT_EQ(CalculateAndAdvance(), reference) << locale;
  }
  if (missing.empty()) return;
  if (platform::testing::LocalesRequired()) FAIL() << "locales not installed:" << missing;
  GTEST_SKIP() << "locales not installed:" << missing << " (scripts/install-deps makes them)";
}

}  // namespace
