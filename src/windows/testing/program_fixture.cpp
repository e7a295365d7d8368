// SPDX-License-Identifier: MIT
#include "windows/testing/program_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "engine/module1.h"

ProgramTest::ProgramTest() {
  auto& runtime = platform::Runtime::Get();
  runtime.Reset();
  runtime.SetMessageBoxPresenter([this](const platform::MessageBoxRequest& request) {
    events_.push_back({"message", request.title, request.text});
  });
  runtime.SetSoundPlayer([this](const std::string& path) { events_.push_back({"sound", "", path}); });
  runtime.SetClock([this] { return clock_; });
  runtime.SetEndHandler([this] { ++ends_; });
}

ProgramTest::~ProgramTest() {
  platform::Runtime::Get().Reset();
  SettleEvents();
}

void ProgramTest::Start() {
  platform::Runtime::Get().Dispatch(nullptr, [this] { windows_.session.frm1kin().Show(); });
}

template <typename T>
static T* Find(platform::Form& form, const char* name) {
  if (!form.Window()) {
    ADD_FAILURE() << "window not loaded looking for " << name;
    return nullptr;
  }
  T* found = form.Window()->findChild<T*>(QString::fromUtf8(name));
  if (!found) ADD_FAILURE() << "no control " << name;
  return found;
}

platform::TextBox* ProgramTest::Box(platform::Form& form, const char* name) {
  return Find<platform::TextBox>(form, name);
}
platform::CommandButton* ProgramTest::Button(platform::Form& form, const char* name) {
  return Find<platform::CommandButton>(form, name);
}
QAction* ProgramTest::MenuItem(platform::Form& form, const char* name) { return Find<QAction>(form, name); }

QWidget* ProgramTest::FocusOf(platform::Form& form) {
  return form.Window() ? form.Window()->focusWidget() : nullptr;
}

void ProgramTest::Click(platform::Form& form, const char* button) {
  // A real click: refused by a disabled window, as the mouse would be.
  if (auto* b = Button(form, button); b && b->isEnabled()) b->click();
}

void ProgramTest::Choose(platform::Form& form, const char* menu_item) {
  // trigger() fires even when the window is disabled; the runtime must refuse it.
  if (QAction* action = MenuItem(form, menu_item)) action->trigger();
}

void ProgramTest::PressKey(QWidget* target, int qt_key) {
  ASSERT_NE(target, nullptr);
  QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier,
                  qt_key == Qt::Key_Return ? QStringLiteral("\r") : QString());
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, qt_key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

void ProgramTest::Type(platform::Form& form, const char* box, const std::string& text) {
  platform::TextBox* target = Box(form, box);
  ASSERT_NE(target, nullptr);
  target->selectAll();
  if (text.empty()) {
    PressKey(target, Qt::Key_Delete);
  } else if (text.size() > 40 || !target->testAttribute(Qt::WA_InputMethodEnabled)) {
    // A long text, or a box that takes no input method, gets a paste (Ctrl+V).
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(target, &press);
  } else {
    // An input-method commit carries any text, Japanese and control characters
    // included, through the same edit path as typing.
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromStdString(text));
    QApplication::sendEvent(target, &commit);
  }
}

void ProgramTest::CloseBox(platform::Form& form) {
  ASSERT_NE(form.Window(), nullptr);
  QCloseEvent close;
  QApplication::sendEvent(form.Window(), &close);
}

int ProgramTest::PlottedPixels(platform::Form& form) {
  if (!form.Client()) return 0;
  const QImage& surface = form.Client()->Surface();
  int plotted = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) plotted += qAlpha(surface.pixel(x, y)) != 0;
  }
  return plotted;
}

long ProgramTest::SurfaceColourAt(platform::Form& form, float x_twips, float y_twips) {
  if (!form.Client()) return -1;
  const QImage& surface = form.Client()->Surface();
  const QPoint pixel = form.Client()->DevicePixelOf(x_twips, y_twips);
  if (!surface.valid(pixel)) return -1;
  const QRgb colour = surface.pixel(pixel);
  return qAlpha(colour) == 0 ? -1 : static_cast<long>(colour & 0xFFFFFF);
}

void ProgramTest::SettleEvents() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void ProgramTest::ConfirmYear(const std::string& text) {
  Type(frm1kin_, "txt1kin", text);
  Click(frm1kin_, "cmd2kin");
}

std::vector<ProgramTest::Event> ProgramTest::Messages() const {
  std::vector<Event> messages;
  for (const Event& event : events_) {
    if (event.kind == "message") messages.push_back(event);
  }
  return messages;
}
