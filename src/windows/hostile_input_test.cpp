// SPDX-License-Identifier: MIT
// Whatever a person types or pastes into a box, the command that reads it either
// takes the value or reports the runtime error in the "Orvalin" box, and nothing
// else changes: not the year, not another box, not the chart, not which windows are
// shown or enabled.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "windows/testing/program_fixture.h"

namespace {

using namespace std::string_literals;

constexpr int kBlocked = INT_MIN;       // an empty box: the command only moves the focus
constexpr int kOverflow = INT_MIN + 6;  // runtime error 6
constexpr const char* kFortyDigits = "1234567890123456789012345678901234567890";

struct HostileText {
  const char* name;
  std::string text;
  int year;           // what confirming it in the year box (6 characters) gives
  int calculate;      // 0, or the error number, for "計算開始" with it in any detail box (2 characters)
  const char* day;    // one-day advance with it as the day of month 3: "M/D", "E<number>" or "blocked"
  const char* month;  // the advance with it as the month and day 5
};

const HostileText kHostile[] = {
      {"empty", "", kBlocked, 13, "blocked", "blocked"},
      {"blank", " ", 0, 13, "E13", "E13"},
      {"three blanks", "   ", 0, 13, "E13", "E13"},
      {"tab", "\t", 0, 13, "E13", "E13"},
      {"blank tab blank", " \t ", 0, 13, "E13", "E13"},
      {"plus", "+", 0, 13, "E13", "E13"},
      {"minus", "-", 0, 13, "E13", "E13"},
      {"full stop", ".", 0, 13, "E13", "E13"},
      {"E", "E", 0, 13, "E13", "E13"},
      {"&H", "&H", 0, 13, "E13", "E13"},
      {"&O", "&O", 0, 13, "E13", "E13"},
      {"1e309", "1e309", kOverflow, 13, "E13", "E13"},
      {"-1e309", "-1e309", kOverflow, 0, "3/0", "E9"},
      {"1e-400", "1e-400", 0, 13, "E13", "E13"},
      {"NaN", "NaN", 0, 13, "E13", "E13"},
      {"Infinity", "Infinity", 0, 13, "E13", "E13"},
      {"forty digits", std::string(kFortyDigits), kOverflow, 0, "3/13", "12/6"},
      {"&HFFFFFFFF", "&HFFFFFFFF", -1, 13, "E13", "E13"},
      {"full-width 2002", "２００２", 2002, 0, "3/21", "E9"},
      {"full-width -500", "－５００", -500, 0, "3/-4", "E9"},
      {"2002 nen", "2002年", 2002, 0, "3/21", "E9"},
      {"emoji", "😀", 0, 13, "E13", "E13"},
      {"emoji then 5", "😀5", 0, 13, "E13", "E13"},
      {"right-to-left mark", "\u200f" "2002", 0, 13, "E13", "E13"},
      {"embedded NUL", "20\0" "02"s, 20, 0, "3/21", "E9"},
      {"10000-character paste", std::string(10000, '7'), kOverflow, 0, "4/1", "E9"},
      {"2002", "2002", 2002, 0, "3/21", "E9"},
      {"-660", "-660", -660, 0, "3/-5", "E9"},
      {"1998.5", "1998.5", 1998, 0, "3/20", "E9"},
      {"1999.5", "1999.5", 2000, 0, "3/20", "E9"},
      {"32767", "32767", 32767, 0, "4/1", "E9"},
      {"-32768", "-32768", -32768, 0, "3/-2", "E9"},
      {"32768", "32768", kOverflow, 0, "4/1", "E9"},
      {"-32769", "-32769", kOverflow, 0, "3/-2", "E9"},
      {"0", "0", 0, 0, "3/1", "E9"},
      {"00", "00", 0, 0, "3/1", "E9"},
      {"9", "9", 9, 0, "3/10", "9/6"},
      {"12", "12", 12, 0, "3/13", "12/6"},
      {"13", "13", 13, 0, "3/14", "E9"},
      {"31", "31", 31, 0, "4/1", "E9"},
      {"99", "99", 99, 0, "4/1", "E9"},
      {"-1", "-1", -1, 0, "3/0", "E9"},
      {"1.5", "1.5", 2, 0, "3/2", "1./6"},
      {".5", ".5", 0, 0, "3/1", "E9"},
      {"5.", "5.", 5, 0, "3/6", "5./6"},
      {"1e2", "1e2", 100, 13, "E13", "E13"},
      {"1d2", "1d2", 100, 13, "E13", "E13"},
      {"&H10", "&H10", 16, 13, "E13", "E13"},
      {"&O17", "&O17", 15, 13, "E13", "E13"},
      {"letters", "abc", 0, 13, "E13", "E13"},
      {"nen alone", "年", 0, 13, "E13", "E13"},
      {"kanji one", "一", 0, 13, "E13", "E13"},
      {"full-width 2", "２", 2, 0, "3/3", "２/6"},
      {"full-width 12", "１２", 12, 0, "3/13", "１２/6"},
      {"ideographic space 1", "\u3000" "１", 1, 0, "3/2", "　１/6"},
      {"comma", "1,5", 1, 13, "E13", "E13"},
      {"inner blank", "1 2", 12, 0, "3/2", "1 /6"},
      {"double minus", "--1", 0, 13, "E13", "E13"},
      {"plus minus", "+-1", 0, 13, "E13", "E13"},
      {"0x1F", "0x1F", 0, 13, "E13", "E13"},
      {"no-break space 5", "\u00a0" "5", 0, 13, "E13", "E13"},
      {"roman twelve", "Ⅻ", 0, 13, "E13", "E13"},
      {"minus blank 5", "- 5", -5, 13, "E13", "E13"},
      {"trailing blank", "2002 ", 2002, 0, "3/21", "E9"},
      {"1e5", "1e5", kOverflow, 13, "E13", "E13"},
      {"-0", "-0", 0, 0, "3/1", "E9"},
      {"5e-1", "5e-1", 0, 13, "E13", "E13"},
};

class HostileInput : public ProgramTest {
 protected:
  // The year entry window with 2002 confirmed once and its curve drawn, then back.
  void Prepare() {
    Start();
    ConfirmYear("2002");
    Choose(frm2kin_, "mnuhyouji");
    Choose(frm2kin_, "mnureturn");
    plotted_ = PlottedPixels(frm2kin_);
    events_.clear();
  }
  std::string Text(platform::Form& form, const char* box) { return Box(form, box)->Text(); }
  std::string ErrorShown() {
    const auto messages = Messages();
    if (messages.empty()) return "";
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Orvalin");
    return "E" + messages[0].text.substr(std::string("実行時エラー '").size(),
                                         messages[0].text.find('\'', 20) - std::string("実行時エラー '").size());
  }
  int plotted_ = 0;
};

TEST_F(HostileInput, TheTableIsLargeEnough) { EXPECT_GE(std::size(kHostile), 60u); }

TEST_F(HostileInput, YearBox) {
  Prepare();
  for (const HostileText& row : kHostile) {
    SCOPED_TRACE(row.name);
    const int16_t year_before = windows_.session.CalcYear;
    Type(frm1kin_, "txt1kin", row.text);
    const std::string typed = Text(frm1kin_, "txt1kin");
    EXPECT_LE(Box(frm1kin_, "txt1kin")->text().size(), 6) << "the maximum length cuts the paste";
    Click(frm1kin_, "cmd2kin");
    if (row.year == kBlocked || row.year == kOverflow) {
      EXPECT_EQ(ErrorShown(), row.year == kOverflow ? "E6" : "");
      EXPECT_EQ(windows_.session.CalcYear, year_before);
      EXPECT_TRUE(frm1kin_.IsVisible());
      EXPECT_FALSE(frm2kin_.IsVisible());
      EXPECT_EQ(Text(frm1kin_, "txt1kin"), typed);
      EXPECT_EQ(FocusOf(frm1kin_), Box(frm1kin_, "txt1kin"));
    } else {
      EXPECT_EQ(ErrorShown(), "");
      EXPECT_EQ(windows_.session.CalcYear, row.year);
      ASSERT_TRUE(frm2kin_.IsVisible());
      EXPECT_EQ(Text(frm2kin_, "Text1"), std::to_string(row.year));
      Choose(frm2kin_, "mnureturn");
    }
    EXPECT_EQ(PlottedPixels(frm2kin_), plotted_) << "the chart is untouched";
    EXPECT_EQ(ends_, 0);
    events_.clear();
  }
}

TEST_F(HostileInput, ChartYearBoxTakesNoInput) {
  Prepare();
  ConfirmYear("2002");
  for (const HostileText& row : kHostile) {
    SCOPED_TRACE(row.name);
    Type(frm2kin_, "Text1", row.text);
    EXPECT_EQ(Text(frm2kin_, "Text1"), "2002");
  }
  EXPECT_EQ(PlottedPixels(frm2kin_), plotted_);
  EXPECT_TRUE(events_.empty());
}

TEST_F(HostileInput, DetailBoxesInTheCalculation) {
  Prepare();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  for (const HostileText& row : kHostile) {
    for (const char* box : {"txt1", "txt2", "txt3"}) {
      SCOPED_TRACE(std::string(row.name) + " in " + box);
      Type(frm4kin_, "txt1", "3");
      Type(frm4kin_, "txt2", "5");
      Type(frm4kin_, "txt3", "12");
      Click(frm4kin_, "btnok");  // a known result first
      const std::string minutes = Text(frm4kin_, "txt5");
      Type(frm4kin_, box, row.text);
      EXPECT_LE(Box(frm4kin_, box)->text().size(), 2);
      const std::string month = Text(frm4kin_, "txt1"), day = Text(frm4kin_, "txt2"), hour = Text(frm4kin_, "txt3");
      events_.clear();
      Click(frm4kin_, "btnok");
      if (row.calculate == 0) {
        EXPECT_EQ(ErrorShown(), "");
        EXPECT_NE(Text(frm4kin_, "txt5"), "");
      } else {
        EXPECT_EQ(ErrorShown(), "E" + std::to_string(row.calculate));
        EXPECT_EQ(Text(frm4kin_, "txt5"), minutes);
        EXPECT_EQ(FocusOf(frm4kin_), Box(frm4kin_, box));
      }
      EXPECT_EQ(Text(frm4kin_, "txt1") + "|" + Text(frm4kin_, "txt2") + "|" + Text(frm4kin_, "txt3"),
                month + "|" + day + "|" + hour);
      EXPECT_TRUE(frm4kin_.IsVisible() && frm4kin_.IsEnabled());
      EXPECT_TRUE(frm2kin_.IsVisible() && !frm2kin_.IsEnabled());
      EXPECT_FALSE(frm1kin_.IsVisible());
      EXPECT_EQ(windows_.session.CalcYear, 2002);
    }
  }
  EXPECT_EQ(PlottedPixels(frm2kin_), plotted_);
  EXPECT_EQ(ends_, 0);
}

TEST_F(HostileInput, DetailBoxesInTheOneDayAdvance) {
  Prepare();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  auto advance = [&](const char* month, const std::string& day, const std::string& hour) {
    Type(frm4kin_, "txt1", month);
    Type(frm4kin_, "txt2", day);
    Type(frm4kin_, "txt3", hour);
    const std::string before = Text(frm4kin_, "txt1") + "/" + Text(frm4kin_, "txt2");
    events_.clear();
    Click(frm4kin_, "Command4");
    const std::string error = ErrorShown();
    const std::string after = Text(frm4kin_, "txt1") + "/" + Text(frm4kin_, "txt2");
    if (!error.empty()) {
      EXPECT_EQ(after, before) << "no box changes on an error";
      return error;
    }
    if (after == before && FocusOf(frm4kin_) == Box(frm4kin_, "txt1") && (day.empty() || hour.empty())) {
      return std::string("blocked");
    }
    return after;
  };
  for (const HostileText& row : kHostile) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(advance("3", row.text, "12"), row.day);
    Type(frm4kin_, "txt2", "5");
    const std::string as_month = [&] {
      Type(frm4kin_, "txt1", row.text);
      Type(frm4kin_, "txt3", "12");
      const std::string month = Text(frm4kin_, "txt1");
      if (month.empty()) {
        Click(frm4kin_, "Command4");
        return std::string(Text(frm4kin_, "txt2") == "5" && FocusOf(frm4kin_) == Box(frm4kin_, "txt1") ? "blocked"
                                                                                                         : "moved");
      }
      events_.clear();
      Click(frm4kin_, "Command4");
      const std::string error = ErrorShown();
      if (!error.empty()) {
        EXPECT_EQ(Text(frm4kin_, "txt2"), "5");
        return error;
      }
      return Text(frm4kin_, "txt1") + "/" + Text(frm4kin_, "txt2");
    }();
    EXPECT_EQ(as_month, row.month);
    // The hour is only tested for emptiness.
    const std::string with_hour = advance("3", "5", row.text);
    EXPECT_EQ(with_hour, Text(frm4kin_, "txt3").empty() ? "blocked" : "3/6");
    EXPECT_EQ(ends_, 0);
  }
  EXPECT_EQ(PlottedPixels(frm2kin_), plotted_);
}

}  // namespace
