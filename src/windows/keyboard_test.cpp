// SPDX-License-Identifier: MIT
// Keys and pastes in every box of the program: what reaches a box as text and what
// the keyboard user sees of the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

#include "platform/forms/spin_control.h"

#include "windows/testing/program_fixture.h"

namespace {

class Keyboard : public ProgramTest {
 protected:
  // Every box the user can type into, with the window it is in opened.
  struct EditableBox {
    platform::Form* form;
    const char* name;
  };
  std::vector<EditableBox> OpenEveryEditableBox() {
    Start();
    std::vector<EditableBox> boxes = {{&frm1kin_, "txt1kin"}};
    ConfirmYear("2002");
    Choose(frm2kin_, "mnuday");
    for (const char* name : {"txt1", "txt2", "txt3", "txt5", "txt6"}) boxes.push_back({&frm4kin_, name});
    return boxes;
  }
  static void SendKey(QWidget* target, int qt_key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, qt_key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qt_key, modifiers, text);
    QApplication::sendEvent(target, &release);
  }
};

// "1⏎2" pasted into the day box left "1\n", shown as "1" yet read as a type mismatch.
TEST_F(Keyboard, APasteKeepsItsFirstLineWithoutControlCharactersThenTheLimit) {
  const struct {
    const char16_t* pasted;
    const char16_t* line;  // before the box's maximum length applies
  } kCases[] = {
      {u"1\n2", u"1"},          {u"12\r\n34", u"12"},    {u"\n5", u""},
      {u"\t1\x7f" u"2\x01", u"12"}, {u"2002\u20283", u"2002"}, {u"-32768", u"-32768"},
  };
  for (const EditableBox& box : OpenEveryEditableBox()) {
    platform::TextBox* target = Box(*box.form, box.name);
    for (const auto& c : kCases) {
      target->SetText("9");
      target->selectAll();
      QGuiApplication::clipboard()->setText(QString::fromUtf16(c.pasted));
      SendKey(target, Qt::Key_V, Qt::ControlModifier, QString());
      EXPECT_EQ(target->Text(), QString::fromUtf16(c.line).left(target->MaximumLength()).toStdString())
          << box.name << " pasting " << QString::fromUtf16(c.pasted).toStdString();
    }
  }
}

// Alt+F and Alt+X typed "fx" into the year box, which then confirmed as year 0.
TEST_F(Keyboard, KeysWithAltCtrlOrMetaNeverType) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
  } kCases[] = {
      {Qt::Key_F, Qt::AltModifier, "f"},
      {Qt::Key_X, Qt::AltModifier | Qt::ShiftModifier, "X"},
      {Qt::Key_Q, Qt::ControlModifier, "\x11"},
      {Qt::Key_5, Qt::MetaModifier, "5"},
      {Qt::Key_7, Qt::ControlModifier | Qt::AltModifier, "7"},
  };
  for (const EditableBox& box : OpenEveryEditableBox()) {
    platform::TextBox* target = Box(*box.form, box.name);
    for (const auto& c : kCases) {
      target->SetText("");
      SendKey(target, c.key, c.modifiers, QString::fromUtf8(c.text));
      EXPECT_EQ(target->Text(), "") << box.name << " key " << c.text;
    }
    // Plain keys still type, and Ctrl+A then Ctrl+X keep their editing meaning.
    SendKey(target, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    SendKey(target, Qt::Key_2, Qt::ShiftModifier, QStringLiteral("2"));
    EXPECT_EQ(target->Text(), "12") << box.name;
    SendKey(target, Qt::Key_A, Qt::ControlModifier, QString());
    SendKey(target, Qt::Key_X, Qt::ControlModifier, QString());
    EXPECT_EQ(target->Text(), "") << box.name;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12")) << box.name;
  }
}

// The present year was written and focused without a selection: typing 1999 gave
// "202619", then an overflow report.
TEST_F(Keyboard, TypingReplacesWhatTheProgramWroteAndFocused) {
  Start();
  platform::TextBox* year = Box(frm1kin_, "txt1kin");
  for (const char* step : {"at start", "after an overflow"}) {
    ASSERT_EQ(FocusOf(frm1kin_), year) << step;
    for (char digit : std::string("1999")) SendKey(year, Qt::Key_0 + (digit - '0'), Qt::NoModifier, QString(digit));
    EXPECT_EQ(year->Text(), "1999") << step;
    Type(frm1kin_, "txt1kin", "40000");
    Click(frm1kin_, "cmd2kin");  // reported as an overflow; the focus comes back
  }
  ConfirmYear("2002");
  Choose(frm2kin_, "mnuday");
  Type(frm4kin_, "txt2", "x");
  Click(frm4kin_, "btnok");
  ASSERT_EQ(FocusOf(frm4kin_), Box(frm4kin_, "txt2"));
  EXPECT_EQ(Box(frm4kin_, "txt2")->selectedText(), QStringLiteral("x")) << "the box at fault comes back selected";
}

TEST_F(Keyboard, ASpinWithTheFocusShowsItAndItsArrowsLeaveTheFocusInTheBox) {
  OpenEveryEditableBox();
  const struct {
    platform::Form* form;
    const char *spin, *box, *start, *stepped, *up_name, *down_name;
  } kCases[] = {
      {&frm4kin_, "UpDown1", "txt1", "1", "2", "月を1増やす", "月を1減らす"},
      {&frm4kin_, "UpDown2", "txt2", "1", "2", "日を1増やす", "日を1減らす"},
      {&frm4kin_, "UpDown3", "txt3", "1", "2", "時を1増やす", "時を1減らす"},
      {&frm1kin_, "UpDown1", "txt1kin", "1850", "1851", "計算年を1増やす", "計算年を1減らす"},
  };
  for (const auto& c : kCases) {
    if (c.form == &frm1kin_ && !frm1kin_.IsVisible()) {
      Click(frm4kin_, "Command2");
      Choose(frm2kin_, "mnureturn");
    }
    ASSERT_TRUE(c.form->IsVisible()) << c.spin;
    auto* spin = c.form->Window()->findChild<platform::SpinControl*>(c.spin);
    ASSERT_NE(spin, nullptr) << c.spin;
    QApplication::setActiveWindow(c.form->Window());
    const QImage unfocused = spin->grab().toImage();
    spin->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(spin->hasFocus()) << c.spin;
    EXPECT_NE(spin->grab().toImage(), unfocused) << c.spin << " shows no focus mark";

    Box(*c.form, c.box)->SetText(c.start);
    auto* up = spin->findChildren<QToolButton*>().value(0);
    auto* down = spin->findChildren<QToolButton*>().value(1);
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(up->accessibleName(), QString::fromUtf8(c.up_name)) << c.spin;
    EXPECT_EQ(down->arrowType(), Qt::DownArrow) << c.spin;
    EXPECT_EQ(down->accessibleName(), QString::fromUtf8(c.down_name)) << c.spin;
    const QPointF centre = QRectF(up->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, up->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(up, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, up->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(up, &release);
    EXPECT_EQ(Box(*c.form, c.box)->Text(), c.stepped) << c.spin;
    EXPECT_EQ(FocusOf(*c.form), Box(*c.form, c.box)) << c.spin << ": the focus stays in the box it steps";
  }
  PressKey(Box(frm1kin_, "txt1kin"), Qt::Key_Return);
  EXPECT_EQ(FocusOf(frm1kin_), Button(frm1kin_, "cmd2kin")) << "Enter after a step moves to 決定";
}

}  // namespace
