// SPDX-License-Identifier: MIT
// The forms runtime on its own: load and activation order, disabled windows, the
// end of the program, runtime-error reports, the drawing surface and the fonts.
#include "platform/forms/form.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QMainWindow>
#include <QMenu>
#include <string>
#include <vector>

#include "platform/forms/command_button.h"
#include "platform/core/runtime_error.h"
#include "platform/core/version.h"

namespace {

using platform::Form;
using platform::Runtime;

std::vector<std::string> g_log;

class LoggingForm : public Form {
 public:
  explicit LoggingForm(std::string name) : Form(name, 3000, 1500), name_(std::move(name)) {}
  int counter = 0;  // a window-level variable
  platform::TextBox* box = nullptr;
  QAction* item = nullptr;

 protected:
  void Build() override {
    box = AddTextBox("box", {100, 100, 900, 300}, 0, nullptr, 4);
    AddButton("button", {100, 500, 900, 300}, 1, "OK", nullptr, [this] { ++counter; });
    item = AddMenuItem(AddMenu("menu", "&Menu"), "item", "&Item", [this] { ++counter; });
  }
  void Form_Load() override { g_log.push_back(name_ + ".Load"); }
  void Form_Activate() override { g_log.push_back(name_ + ".Activate"); }
  void Form_Unload() override { g_log.push_back(name_ + ".Unload"); }

 private:
  std::string name_;
};

class FormRuntime : public testing::Test {
 protected:
  FormRuntime() {
    Runtime::Get().Reset();
    Runtime::Get().SetMessageBoxPresenter([this](const platform::MessageBoxRequest& r) { boxes_.push_back(r); });
    Runtime::Get().SetEndHandler([this] { ++ends_; });
    g_log.clear();
  }
  ~FormRuntime() override {
    Runtime::Get().Reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::vector<platform::MessageBoxRequest> boxes_;
  int ends_ = 0;
  LoggingForm a_{"a"};
  LoggingForm b_{"b"};
};

TEST_F(FormRuntime, LoadActivateAndUnloadOrder) {
  a_.Show();
  a_.Show();  // already active: no second activation
  b_.Show();
  b_.Hide();  // a becomes active again
  b_.Show();
  b_.Unload();
  b_.Show();  // loaded afresh
  EXPECT_EQ(g_log, (std::vector<std::string>{"a.Load", "a.Activate", "b.Load", "b.Activate", "a.Activate",
                                             "b.Activate", "b.Unload", "a.Activate", "b.Load", "b.Activate"}));
}

TEST_F(FormRuntime, WindowLevelVariablesOutliveTheLoadedWindow) {
  a_.Show();
  b_.Show();
  b_.counter = 7;
  b_.Unload();
  EXPECT_FALSE(b_.IsLoaded());
  EXPECT_EQ(b_.counter, 7);
}

TEST_F(FormRuntime, AHiddenOrDisabledFormIsNotActivated) {
  a_.Show();
  b_.Show();
  a_.SetEnabled(false);
  g_log.clear();
  b_.Hide();
  EXPECT_TRUE(g_log.empty());
  EXPECT_EQ(Runtime::Get().ActiveForm(), nullptr);
}

TEST_F(FormRuntime, ADisabledFormTakesNoClickMenuOrCloseBox) {
  a_.Show();
  a_.SetEnabled(false);
  a_.item->trigger();
  a_.Window()->findChild<platform::CommandButton*>("button")->click();
  QCloseEvent close;
  QCoreApplication::sendEvent(a_.Window(), &close);
  EXPECT_EQ(a_.counter, 0);
  EXPECT_TRUE(a_.IsLoaded());
  a_.SetEnabled(true);
  a_.item->trigger();
  EXPECT_EQ(a_.counter, 1);
  QCoreApplication::sendEvent(a_.Window(), &close);
  EXPECT_FALSE(a_.IsLoaded()) << "the close box unloads an enabled window";
}

TEST_F(FormRuntime, UnloadingTheLastWindowEndsTheProgram) {
  a_.Show();
  b_.Show();
  b_.Unload();
  EXPECT_EQ(ends_, 0);
  a_.Unload();
  EXPECT_EQ(ends_, 1);
  EXPECT_TRUE(Runtime::Get().HasEnded());
}

TEST_F(FormRuntime, NothingRunsAfterTheEnd) {
  a_.Show();
  b_.Show();
  Runtime::Get().End();
  EXPECT_FALSE(a_.IsLoaded());
  EXPECT_FALSE(b_.IsLoaded());
  g_log.clear();
  a_.Show();
  bool ran = false;
  Runtime::Get().Dispatch(nullptr, [&] { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_TRUE(g_log.empty()) << "no Form_Unload or Form_Load after the end";
  EXPECT_EQ(ends_, 1);
}

TEST_F(FormRuntime, ARuntimeErrorIsReportedAndTheProgramGoesOn) {
  a_.Show();
  Runtime::Get().Dispatch(&a_, [] { throw platform::RuntimeError::SubscriptOutOfRange(); });
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].title, "Orvalin");
  EXPECT_EQ(boxes_[0].text, "実行時エラー '9':\n\nインデックスが有効範囲にありません。");
  EXPECT_EQ(boxes_[0].buttons, platform::kOkOnly);
  EXPECT_EQ(ends_, 0);
  EXPECT_TRUE(a_.IsVisible());
}

TEST_F(FormRuntime, SurfacePlotsOneDevicePixelAndErases) {
  a_.Show();
  a_.PSet(840, 1200.27f, 0x123456);
  a_.PSet(-15, 10, 0xFF0000);     // off the surface: dropped
  a_.PSet(100000, 10, 0xFF0000);
  const QImage& surface = a_.Client()->Surface();
  EXPECT_EQ(surface.pixel(56, 80) & 0xFFFFFFu, 0x123456u);
  int plotted = 0;
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) plotted += qAlpha(surface.pixel(x, y)) != 0;
  EXPECT_EQ(plotted, 1);
  a_.Cls();
  EXPECT_EQ(qAlpha(a_.Client()->Surface().pixel(56, 80)), 0);
}

TEST_F(FormRuntime, TheSurfaceSurvivesHidingAndGoesWithUnload) {
  a_.Show();
  b_.Show();
  b_.PSet(300, 300, 0xFF0000);
  b_.Hide();
  b_.SetEnabled(false);
  b_.Show();
  EXPECT_EQ(b_.Client()->Surface().pixel(20, 20) & 0xFFFFFFu, 0xFF0000u);
  b_.SetEnabled(true);
  b_.Unload();
  b_.Show();
  EXPECT_EQ(qAlpha(b_.Client()->Surface().pixel(20, 20)), 0);
}

TEST(Fonts, WindowsFaceNamesResolveToJapaneseGothicFaces) {
  const struct {
    const char* face;
    const char* family;
  } kCases[] = {{"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
                {"ＤＦ平成ゴシック体W5", "IPAPGothic"}};
  for (const auto& c : kCases) {
    const QFontInfo info(platform::MakeFont({c.face, 12}));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.face;
    EXPECT_EQ(info.pixelSize(), 16) << c.face;
  }
  const QFontMetrics metrics(platform::MakeFont({"ＭＳ Ｐゴシック", 12}));
  for (const char* caption : {"均時差計算年の入力（西 暦）", "一次微分グラフ描画", "戻\u3000る", "年  １月１日\uFF5E同年"}) {
    for (char32_t c : QString::fromUtf8(caption).toStdU32String()) {
      EXPECT_TRUE(metrics.inFontUcs4(c)) << caption << " lacks U+" << std::hex << static_cast<unsigned>(c);
    }
  }
}

TEST(Version, ComesFromTheProjectVersion) {
  EXPECT_EQ(platform::kVersionMajor, 2);
  EXPECT_EQ(platform::kVersionMinor, 0);
  EXPECT_EQ(platform::kVersionRevision, 18);
}

}  // namespace
