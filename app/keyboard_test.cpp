// SPDX-License-Identifier: MIT
// Keys and pastes in every box of the program: what reaches a box as text and what
// the keyboard user sees of the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "tests/program_fixture.h"

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

}  // namespace
