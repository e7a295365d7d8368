// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>

#include "windows/version_message.h"
#include "platform/core/palette.h"
#include "platform/core/version.h"
#include "windows/testing/program_fixture.h"

namespace {

class Chart : public ProgramTest {
 protected:
  void OpenChart(const char* year) {
    Start();
    ConfirmYear(year);
  }
};

constexpr long kBlack = 0x000000, kBlue = 0x000080, kRed = 0xFF0000;

TEST_F(Chart, LayoutCaptionAndMenus) {
  OpenChart("2002");
  EXPECT_EQ(frm2kin_.Caption(), "Orvalin表示");
  EXPECT_EQ(frm2kin_.Client()->size(), QSize(670, 471));  // 10050 × 7065 twips
  const struct {
    const char* name;
    const char* caption;
  } kItems[] = {{"mnureturn", "戻 る"},           {"mnuend", "均時差計算を終了"},
                {"mnuhyouji", "Orvalin描画"},     {"mnu1", "一次微分グラフ描画"},
                {"mnucls", "グラフを消去"},       {"mnuday", "均時差詳細"},
                {"mnuver", "バージョン情報(&V)"}};
  for (const auto& item : kItems) EXPECT_EQ(MenuItem(frm2kin_, item.name)->text().toStdString(), item.caption);
}

TEST_F(Chart, EquationOfTimeCurveLiesAtTheWorkedPointsInBlack) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuhyouji");
  const struct {
    const char* what;
    float x, y;
  } kPoints[] = {
      {"first sample", 840, 3825.27f},
      {"lowest, 12 February", 840 + 41.55f * 8940 / 365.25f, 5569.24f},
      {"highest, 3 November", 840 + 306.45f * 8940 / 365.25f, 681.19f},
  };
  for (const auto& p : kPoints) EXPECT_EQ(SurfaceColourAt(frm2kin_, p.x, p.y), kBlack) << p.what;
  EXPECT_EQ(SurfaceColourAt(frm2kin_, 5000, 3300), -1) << "the zero line in mid-year is no curve point";
  EXPECT_NEAR(frm2kin_.PointX, 9780, 1e-6);
  EXPECT_NEAR(frm2kin_.CurveJulianDay, 2452275.5 + 2436 * 0.15, 1e-6);
}

TEST_F(Chart, RateCurveIsRedAndLeavesTheColourIndexAlone) {
  OpenChart("2002");
  Choose(frm2kin_, "mnu1");
  const struct {
    const char* what;
    float x, y;
  } kPoints[] = {
      {"first sample", 864.48f, 5418.78f},
      {"largest rate", 864.476386f + 259.2f * 8940 / 365.25f, 1695.87f},
      {"smallest rate", 864.476386f + 355.6f * 8940 / 365.25f, 5533.49f},
  };
  for (const auto& p : kPoints) EXPECT_EQ(SurfaceColourAt(frm2kin_, p.x, p.y), kRed) << p.what;
  EXPECT_EQ(frm2kin_.ColorIndex, 0);
  EXPECT_EQ(frm2kin_.PointX, 0) << "the rate curve keeps no state";
}

TEST_F(Chart, BackCyclesThirteenColoursAndOverlaysYears) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuhyouji");
  Choose(frm2kin_, "mnureturn");
  EXPECT_EQ(frm2kin_.ColorIndex, 1);
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuhyouji");
  EXPECT_EQ(SurfaceColourAt(frm2kin_, 840, 3825.27f), kBlue) << "the second curve is blue";
  for (int back = 2; back <= 13; ++back) {
    Choose(frm2kin_, "mnureturn");
    ConfirmYear("2002");
  }
  EXPECT_EQ(frm2kin_.ColorIndex, 0);
}

TEST_F(Chart, ClosingByTheFrameEmptiesTheChartButKeepsTheColour) {
  OpenChart("2002");
  Choose(frm2kin_, "mnureturn");
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuhyouji");
  const double point_x = frm2kin_.PointX;
  CloseBox(frm2kin_);
  SettleEvents();
  ConfirmYear("2002");
  EXPECT_EQ(PlottedPixels(frm2kin_), 0);
  EXPECT_TRUE(frm2kin_.ChartDrawn().curves.empty()) << "the recorded curves go with the drawing";
  EXPECT_EQ(frm2kin_.ColorIndex, 1);
  EXPECT_EQ(frm2kin_.PointX, point_x);
  Choose(frm2kin_, "mnuhyouji");
  EXPECT_EQ(SurfaceColourAt(frm2kin_, 840, 3825.27f), kBlue);
}

TEST_F(Chart, EraseRemovesBothCurvesAndKeepsTheGrid) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuhyouji");
  Choose(frm2kin_, "mnu1");
  ASSERT_GT(PlottedPixels(frm2kin_), 1000);
  ASSERT_EQ(frm2kin_.ChartDrawn().curves.size(), 2u);
  Choose(frm2kin_, "mnucls");
  EXPECT_EQ(PlottedPixels(frm2kin_), 0);
  EXPECT_TRUE(frm2kin_.ChartDrawn().curves.empty());
  // The rendered window still shows the zero line (drawn over the surface).
  const QImage shown = frm2kin_.Client()->grab().toImage();
  EXPECT_LT(QColor(shown.pixel(300, 220)).lightness(), 64);
  EXPECT_EQ(Box(frm2kin_, "Text1")->Text(), "2002");
}

TEST_F(Chart, StaysLegibleWhileTheDetailWindowIsUp) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuhyouji");
  Choose(frm2kin_, "mnuday");
  ASSERT_FALSE(frm2kin_.IsEnabled());
  const QImage shown = frm2kin_.Client()->grab().toImage();
  EXPECT_LT(QColor(shown.pixel(300, 220)).lightness(), 64) << "the zero line is not greyed";
  EXPECT_EQ(shown.pixel(124, 371) & 0xFFFFFFu, 0u) << "the curve at its lowest point stays black";
}

TEST_F(Chart, CurvesSurviveHidingAndShowingAgain) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuhyouji");
  const int plotted = PlottedPixels(frm2kin_);
  Choose(frm2kin_, "mnureturn");
  ConfirmYear("2003");
  EXPECT_EQ(PlottedPixels(frm2kin_), plotted);
}

TEST_F(Chart, VersionBoxThenTheSound) {
  OpenChart("2002");
  Choose(frm2kin_, "mnuver");
  ASSERT_EQ(events_.size(), 2u);
  EXPECT_EQ(events_[0].kind, "message");
  EXPECT_EQ(events_[0].title, "バージョン情報");
  EXPECT_EQ(events_[0].text,
            windows::VersionMessageText(platform::kVersionMajor, platform::kVersionMinor, platform::kVersionRevision));
  EXPECT_EQ(events_[1].kind, "sound") << "the sound follows the closed box";
  EXPECT_EQ(events_[1].text, "c:\\windows\\media\\notify.wav");
  EXPECT_EQ(windows_.session.SoundPath, "c:\\windows\\media\\notify.wav");
}

TEST(VersionMessage, TheWholeTextByteForByte) {
  EXPECT_EQ(windows::VersionMessageText(2, 0, 18),
            "        Orvalin  Ver.  2.0.18\r\r\n"
            "\u3000均時差（視太陽時－平均太陽時）の計算とグラフ表示\r\r\n"
            "       \u3000 使い方：同梱の README.md をご覧ください\r\n"
            "  \u3000\u3000\u3000\u3000問題の報告：README.md の「問題の報告」をご覧ください");
}

TEST(VersionMessage, TextLineBreaksAndIndents) {
  const std::string text = windows::VersionMessageText(2, 0, 18);
  const std::string expected_start = "        Orvalin  Ver.  2.0.18\r\r\n\u3000";
  EXPECT_EQ(text.substr(0, expected_start.size()), expected_start);
  const auto first_contact = text.find("\r\r\n", expected_start.size());
  ASSERT_NE(first_contact, std::string::npos);
  EXPECT_EQ(text.substr(first_contact + 3, 11), "       \u3000 ");
  const auto second_contact = text.find("\r\n", first_contact + 3);
  ASSERT_NE(second_contact, std::string::npos);
  EXPECT_EQ(text.substr(second_contact + 2, 14), "  \u3000\u3000\u3000\u3000");
  EXPECT_EQ(text.find('\r', second_contact + 2), std::string::npos) << "no break after the last line";
  EXPECT_NE(text.find("README.md"), std::string::npos);
}

}  // namespace
