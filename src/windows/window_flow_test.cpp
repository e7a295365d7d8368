// SPDX-License-Identifier: MIT
// The hand-over of control between the three windows, row by row.
#include <gtest/gtest.h>

#include "windows/testing/program_fixture.h"

namespace {

using WindowFlow = ProgramTest;

TEST_F(WindowFlow, ConfirmHidesYearEntryAndShowsTheChartWithTheYear) {
  Start();
  ConfirmYear("2002");
  EXPECT_FALSE(frm1kin_.IsVisible());
  ASSERT_TRUE(frm2kin_.IsVisible());
  EXPECT_EQ(platform::Runtime::Get().ActiveForm(), &frm2kin_);
  EXPECT_EQ(Box(frm2kin_, "Text1")->Text(), "2002");
}

TEST_F(WindowFlow, BackShowsYearEntryWithTheLastYearAndKeepsTheChart) {
  Start();
  ConfirmYear("2002");
  frm2kin_.Window()->move(10, 20);  // the user moved the chart
  const QPoint moved = frm2kin_.Window()->pos();
  Choose(frm2kin_, "mnureturn");
  EXPECT_FALSE(frm2kin_.IsVisible());
  EXPECT_TRUE(frm2kin_.IsLoaded());
  EXPECT_TRUE(frm1kin_.IsVisible());
  EXPECT_EQ(Box(frm1kin_, "txt1kin")->Text(), "2002");
  EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin"));

  ConfirmYear("-500");
  EXPECT_EQ(Box(frm2kin_, "Text1")->Text(), "-500");
  EXPECT_EQ(frm2kin_.Window()->pos(), moved) << "shown again, not loaded again: no re-centring";
}

TEST_F(WindowFlow, ClosingTheChartBringsBackYearEntryAndUnloadsIt) {
  Start();
  ConfirmYear("2002");
  CloseBox(frm2kin_);
  EXPECT_FALSE(frm2kin_.IsLoaded());
  EXPECT_TRUE(frm1kin_.IsVisible());
  EXPECT_EQ(platform::Runtime::Get().ActiveForm(), &frm1kin_);
  EXPECT_EQ(ends_, 0);
  SettleEvents();
  ConfirmYear("2003");
  EXPECT_TRUE(frm2kin_.IsVisible());
  EXPECT_EQ(Box(frm2kin_, "Text1")->Text(), "2003");
}

TEST_F(WindowFlow, DetailDisablesTheChartUntilBackOrClose) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  EXPECT_TRUE(frm4kin_.IsVisible());
  EXPECT_TRUE(frm4kin_.IsEnabled());
  EXPECT_TRUE(frm2kin_.IsVisible());
  EXPECT_FALSE(frm2kin_.IsEnabled());
  EXPECT_FALSE(frm1kin_.IsVisible());
  EXPECT_EQ(platform::Runtime::Get().ActiveForm(), &frm4kin_);

  // Going back re-activates the chart, which rewrites its year box.
  Box(frm2kin_, "Text1")->SetText("scribble");
  Click(frm4kin_, "Command2");
  EXPECT_FALSE(frm4kin_.IsVisible());
  EXPECT_TRUE(frm2kin_.IsEnabled());
  EXPECT_EQ(platform::Runtime::Get().ActiveForm(), &frm2kin_);
  EXPECT_EQ(Box(frm2kin_, "Text1")->Text(), "2002");

  Choose(frm2kin_, "mnuday");
  CloseBox(frm4kin_);
  EXPECT_FALSE(frm4kin_.IsLoaded());
  EXPECT_TRUE(frm2kin_.IsEnabled());
  EXPECT_EQ(platform::Runtime::Get().ActiveForm(), &frm2kin_);
}

TEST_F(WindowFlow, TheDisabledChartTakesNoMenuCommandAndNoCloseBox) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  for (const char* item : {"mnureturn", "mnuend", "mnuhyouji", "mnu1", "mnucls", "mnuday", "mnuver"}) {
    Choose(frm2kin_, item);
  }
  CloseBox(frm2kin_);
  EXPECT_TRUE(frm2kin_.IsVisible());
  EXPECT_TRUE(frm4kin_.IsVisible());
  EXPECT_FALSE(frm1kin_.IsVisible());
  EXPECT_EQ(ends_, 0);
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(frm2kin_.ColorIndex, 0);
  EXPECT_EQ(PlottedPixels(frm2kin_), 0) << "no curve may be drawn";
}

TEST_F(WindowFlow, DetailReopensWhereItWasAndRecentresAfterClose) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  const float centred_top = frm4kin_.Top();
  const float centred_left = frm4kin_.Left();
  frm4kin_.SetTop(30);
  frm4kin_.SetLeft(45);
  Click(frm4kin_, "Command2");
  Choose(frm2kin_, "mnuday");
  EXPECT_EQ(frm4kin_.Top(), 30);
  EXPECT_EQ(frm4kin_.Left(), 45);
  CloseBox(frm4kin_);
  Choose(frm2kin_, "mnuday");
  EXPECT_EQ(frm4kin_.Top(), centred_top);
  EXPECT_EQ(frm4kin_.Left(), centred_left);
}

TEST_F(WindowFlow, EndFromTheChartRunsItsUnloadThenEnds) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuend");
  EXPECT_EQ(ends_, 1);
  EXPECT_FALSE(frm1kin_.IsLoaded());
  EXPECT_FALSE(frm2kin_.IsLoaded());
  // Nothing runs after the end, not even a command already on its way.
  Start();
  EXPECT_FALSE(frm1kin_.IsLoaded());
}

TEST_F(WindowFlow, EndFromTheDetailWindowEnablesTheChartThenEnds) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  Choose(frm4kin_, "mnuend");
  EXPECT_EQ(ends_, 1);
  EXPECT_FALSE(frm4kin_.IsLoaded());
  EXPECT_FALSE(frm2kin_.IsLoaded());
}

TEST_F(WindowFlow, EveryWindowIsCentredByItsOuterFrameWhenLoaded) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  for (platform::Form* form : {static_cast<platform::Form*>(&frm1kin_), static_cast<platform::Form*>(&frm2kin_),
                               static_cast<platform::Form*>(&frm4kin_)}) {
    EXPECT_FLOAT_EQ(form->Top(), (platform::Form::ScreenHeight() - form->Height()) / 2) << form->Caption();
    EXPECT_FLOAT_EQ(form->Left(), (platform::Form::ScreenWidth() - form->Width()) / 2) << form->Caption();
  }
}

}  // namespace
