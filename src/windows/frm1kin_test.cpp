// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "windows/testing/program_fixture.h"

namespace {

using YearEntry = ProgramTest;

TEST_F(YearEntry, StartsWithThePresentYearAndTheFocusInTheBox) {
  Start();
  ASSERT_TRUE(frm1kin_.IsVisible());
  EXPECT_EQ(frm1kin_.Caption(), "均時差計算年の入力（西 暦）");
  EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), "2026");  // never the stored 1998
  EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin"));
  EXPECT_FALSE(frm2kin_.IsLoaded());
  EXPECT_FALSE(frm4kin_.IsLoaded());
}

TEST_F(YearEntry, ConfirmsTheLeadingNumberRoundedHalfToEven) {
  const struct {
    const char* text;
    int year;
  } kCases[] = {
      {"2002", 2002},   {"-660", -660},   {"  1998", 1998}, {"1998.5", 1998}, {"1999.5", 2000},
      {"2002年", 2002}, {"abc", 0},       {" ", 0},         {"32767", 32767}, {"-32768", -32768},
      {"２００２", 2002}, {"－５００", -500}, {"&H7D2", 2002},
  };
  for (const auto& c : kCases) {
    Start();
    windows_.session.CalcYear = 1;
    ConfirmYear(c.text);
    EXPECT_EQ(windows_.session.CalcYear, c.year) << c.text;
    EXPECT_FALSE(frm1kin_.IsVisible()) << c.text;
    EXPECT_TRUE(frm2kin_.IsVisible()) << c.text;
    EXPECT_TRUE(Messages().empty()) << c.text;
    Choose(frm2kin_, "mnureturn");
  }
}

TEST_F(YearEntry, AYearOutsideSixteenBitsIsReportedAndChangesNothing) {
  for (const char* text : {"32768", "-32769", "1e5", "40000", "1e309"}) {
    Start();
    ConfirmYear("2002");
    Choose(frm2kin_, "mnureturn");
    events_.clear();

    ConfirmYear(text);
    ASSERT_EQ(Messages().size(), 1u) << text;
    EXPECT_EQ(Messages()[0].title, "Orvalin");
    EXPECT_EQ(Messages()[0].text, "実行時エラー '6':\n\nオーバーフローしました。");
    EXPECT_EQ(windows_.session.CalcYear, 2002) << text;
    EXPECT_TRUE(frm1kin_.IsVisible()) << text;
    EXPECT_FALSE(frm2kin_.IsVisible()) << text;
    EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), text);
    EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin")) << text;
    EXPECT_EQ(ends_, 0) << "the program must go on after " << text;
  }
}

TEST_F(YearEntry, EnterMovesToConfirmOnlyFromANonEmptyBox) {
  Start();
  platform::TextBox* box = Box(frm1kin_, "txt1kin");
  Type(frm1kin_, "txt1kin", "");
  PressKey(box, Qt::Key_Return);
  EXPECT_EQ(FocusOf(frm1kin_), box);

  Type(frm1kin_, "txt1kin", "2003");
  PressKey(box, Qt::Key_Return);
  EXPECT_EQ(FocusOf(frm1kin_), Button(frm1kin_, "cmd2kin"));
  EXPECT_FALSE(frm2kin_.IsLoaded()) << "Enter in the box must not confirm";

  PressKey(Button(frm1kin_, "cmd2kin"), Qt::Key_Return);
  EXPECT_EQ(windows_.session.CalcYear, 2003);
  EXPECT_TRUE(frm2kin_.IsVisible());
}

TEST_F(YearEntry, ConfirmWithAnEmptyBoxOnlyReturnsTheFocus) {
  Start();
  Type(frm1kin_, "txt1kin", "");
  Click(frm1kin_, "cmd2kin");
  EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin"));
  EXPECT_FALSE(frm2kin_.IsLoaded());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(YearEntry, PresentYearAndReEnterButtons) {
  Start();
  Type(frm1kin_, "txt1kin", "-12");
  Click(frm1kin_, "cmd3kin");
  EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), "2026");
  EXPECT_EQ(FocusOf(frm1kin_), Button(frm1kin_, "cmd2kin"));

  Click(frm1kin_, "cmd1kin");
  EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), "");
  EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin"));
}

TEST_F(YearEntry, TypingStopsAtSixCharacters) {
  Start();
  Type(frm1kin_, "txt1kin", "1234567890");
  EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), "123456");
}

TEST_F(YearEntry, SpinTakesUpTheYearInTheBoxAndStopsAtItsRange) {
  Start();
  platform::TextBox* box = Box(frm1kin_, "txt1kin");
  const struct {
    const char* text;
    int key;
    const char* after;
  } kCases[] = {
      {"2002", Qt::Key_Up, "2003"},   {"2002", Qt::Key_Down, "2001"}, {"2050", Qt::Key_Up, "2050"},
      {"1850", Qt::Key_Down, "1850"}, {"3000", Qt::Key_Down, "2049"}, {"-500", Qt::Key_Up, "1851"},
  };
  for (const auto& c : kCases) {
    Type(frm1kin_, "txt1kin", c.text);
    PressKey(frm1kin_.Window()->findChild<QWidget*>("UpDown1"), c.key);
    EXPECT_EQ(box->Text(), c.after) << c.text;
  }
  // A box without a number steps from the control's own last value.
  Type(frm1kin_, "txt1kin", "");
  PressKey(frm1kin_.Window()->findChild<QWidget*>("UpDown1"), Qt::Key_Up);
  EXPECT_EQ(box->Text(), "1852");
}

TEST_F(YearEntry, EndButtonEndsTheProgramEvenWithOtherWindowsLoaded) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  Choose(frm4kin_, "mnuback");
  Choose(frm2kin_, "mnureturn");
  ASSERT_TRUE(frm2kin_.IsLoaded());
  ASSERT_TRUE(frm4kin_.IsLoaded());
  Click(frm1kin_, "Command1");
  EXPECT_EQ(ends_, 1);
  EXPECT_FALSE(frm1kin_.IsLoaded());
  EXPECT_FALSE(frm2kin_.IsLoaded());
  EXPECT_FALSE(frm4kin_.IsLoaded());
}

TEST_F(YearEntry, ClosingItsFrameEndsTheProgramWithHiddenWindowsLoaded) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnureturn");
  CloseBox(frm1kin_);
  EXPECT_EQ(ends_, 1);
  EXPECT_FALSE(frm2kin_.IsLoaded());
}

}  // namespace
