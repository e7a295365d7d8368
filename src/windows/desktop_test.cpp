// SPDX-License-Identifier: MIT
// What the windows offer a desktop: frames, ownership, text that fits its box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include "platform/forms/spin_control.h"

#include "windows/testing/program_fixture.h"

namespace {

using Desktop = ProgramTest;

// With the stand-in faces the year box showed "2768" of "-32768", its minus sign
// scrolled out of view.
TEST_F(Desktop, TheLongestValueOfEveryBoxShowsInFull) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  const struct {
    platform::Form* form;
    const char *box, *longest;
  } kCases[] = {
      {&frm1kin_, "txt1kin", "-32768"}, {&frm2kin_, "Text1", "-32768"}, {&frm4kin_, "txt1", "99"},
      {&frm4kin_, "txt2", "99"},        {&frm4kin_, "txt3", "99"},      {&frm4kin_, "txt5", "- 16"},
      {&frm4kin_, "txt6", "59.9"},
  };
  for (const auto& c : kCases) {
    platform::TextBox* box = Box(*c.form, c.box);
    ASSERT_NE(box, nullptr) << c.box;
    box->SetText(c.longest);
    // With the cursor after the last character, as after typing it, a text wider
    // than the box scrolls its start out of view.
    box->end(false);
    box->grab();  // the line edit scrolls as it paints
    EXPECT_EQ(box->cursorPositionAt(QPoint(2, box->height() / 2)), 0) << c.box << " does not show " << c.longest;
  }
}

TEST_F(Desktop, TheDetailWindowBelongsToTheChartAndNoFixedFrameOffersMaximise) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  ASSERT_NE(frm4kin_.Window()->windowHandle(), nullptr);
  EXPECT_EQ(frm4kin_.Window()->windowHandle()->transientParent(), frm2kin_.Window()->windowHandle());
  const struct {
    platform::Form* form;
    bool minimise;
  } kCases[] = {{&frm1kin_, true}, {&frm2kin_, true}, {&frm4kin_, false}};
  for (const auto& c : kCases) {
    const Qt::WindowFlags flags = c.form->Window()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint) << c.form->Caption();
    EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint), c.minimise) << c.form->Caption();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << c.form->Caption();
  }
}

std::string AccessibleText(QObject* object, QAccessible::Text which) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible ? accessible->text(which).toStdString() : "(not accessible)";
}

TEST_F(Desktop, EveryControlHasANameAndTheChartSaysWhichYearsItShows) {
  Start();
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuhyouji");
  Choose(frm2kin_, "mnureturn");
  ConfirmYear("4000");
  Choose(frm2kin_, "mnuhyouji");
  Choose(frm2kin_, "mnu1");
  EXPECT_EQ(AccessibleText(frm2kin_.Client(), QAccessible::Name), "均時差のグラフ");
  EXPECT_EQ(AccessibleText(frm2kin_.Client(), QAccessible::Description),
            "描かれた曲線：2002年、4000年、4000年の一次微分");
  Choose(frm2kin_, "mnuday");
  const struct {
    platform::Form* form;
    const char *control, *name;
  } kCases[] = {
      {&frm4kin_, "txt1", "月"},         {&frm4kin_, "UpDown1", "月"},        {&frm4kin_, "txt2", "日"},
      {&frm4kin_, "UpDown2", "日"},      {&frm4kin_, "txt3", "時"},           {&frm4kin_, "UpDown3", "時"},
      {&frm4kin_, "txt5", "均時差 分"},  {&frm4kin_, "txt6", "均時差 秒"},    {&frm4kin_, "btnok", "計算開始"},
      {&frm4kin_, "Command2", "戻\u3000る"}, {&frm4kin_, "Command4", "一日漸進"}, {&frm2kin_, "Text1", "計算年"},
  };
  for (const auto& c : kCases) {
    QWidget* control = c.form->Window()->findChild<QWidget*>(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(AccessibleText(control, QAccessible::Name), c.name) << c.control;
  }
  Click(frm4kin_, "Command2");
  Choose(frm2kin_, "mnucls");
  EXPECT_EQ(AccessibleText(frm2kin_.Client(), QAccessible::Description), "描かれた曲線：なし");
  Choose(frm2kin_, "mnureturn");
  for (const char* control : {"txt1kin", "UpDown1"}) {
    EXPECT_EQ(AccessibleText(frm1kin_.Window()->findChild<QWidget*>(control), QAccessible::Name), "計算年") << control;
  }
  EXPECT_EQ(AccessibleText(Button(frm1kin_, "cmd3kin"), QAccessible::Name), "本 年");
}

// Standard error of the program during its first seconds, started with `fonts` as
// its whole font configuration (null: the machine's own).
QStringList StartUpMessages(const char* fonts) {
  QTemporaryDir dir;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_RUNTIME_DIR", dir.path());
  if (fonts) {
    QFile configuration(dir.filePath("fonts.conf"));
    if (!configuration.open(QIODevice::WriteOnly)) return {"cannot write the font configuration"};
    configuration.write(fonts);
    configuration.close();
    environment.insert("FONTCONFIG_FILE", configuration.fileName());
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(ORVALIN_PROGRAM, QStringList());
  program.waitForStarted();
  program.waitForFinished(1500);  // it waits for the user: stopped below
  program.kill();
  program.waitForFinished();
  return QString::fromUtf8(program.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
}

// With no Japanese face every caption was drawn as empty boxes and nothing said why.
TEST(StartUp, SaysWhichPackageToInstallWhenNoJapaneseFaceIsFound) {
  const struct {
    const char* name;
    const char* fonts;
    int notices;
  } kCases[] = {
      {"no font at all", "<?xml version=\"1.0\"?><fontconfig></fontconfig>", 1},
      {"the machine's fonts (fonts-ipafont-gothic installed)", nullptr, 0},
  };
  for (const auto& c : kCases) {
    const QStringList messages = StartUpMessages(c.fonts);
    const auto notices = messages.filter("fonts-ipafont-gothic");
    EXPECT_EQ(notices.size(), c.notices) << c.name << ":\n" << messages.join('\n').toStdString();
    EXPECT_TRUE(messages.filter("setPointSizeF").isEmpty()) << c.name;
    for (const QString& notice : notices) EXPECT_TRUE(notice.startsWith("orvalin: ")) << notice.toStdString();
  }
}

// --help and --version once said "no display found" and exited 1 without a screen.
TEST(StartUp, HelpAndVersionNeedNoDisplay) {
  const struct {
    QStringList args;
    int status;
    const char* out_starts;
    const char* err_starts;
  } kCases[] = {
      {{"--help"}, 0, "Usage: orvalin ", ""},
      {{"-platform", "xcb", "-h"}, 0, "Usage: orvalin ", ""},
      {{"--version"}, 0, "orvalin ", ""},
      {{"-V"}, 0, "orvalin ", ""},
      {{}, 1, "", "orvalin: no display found"},
  };
  for (const auto& c : kCases) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(ORVALIN_PROGRAM, c.args);
    ASSERT_TRUE(program.waitForFinished(5000)) << c.args.join(' ').toStdString();
    const std::string row = c.args.join(' ').toStdString();
    EXPECT_EQ(program.exitCode(), c.status) << row;
    EXPECT_EQ(program.readAllStandardOutput().toStdString().rfind(c.out_starts, 0), 0u) << row;
    EXPECT_EQ(program.readAllStandardError().toStdString().rfind(c.err_starts, 0), 0u) << row;
  }
}

}  // namespace
