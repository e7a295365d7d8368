// SPDX-License-Identifier: MIT
#include "platform/forms/runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/core/runtime_error.h"

namespace platform {

void RaiseWindow(QWidget* window) {
  // The offscreen platform has no stacking order and complains when asked.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  window->raise();
  window->activateWindow();
}
namespace {

// Windows message boxes break lines at CR, LF and CR LF alike; CR CR LF leaves an
// empty line.
QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

void ShowQtMessageBox(const MessageBoxRequest& request) {
  QMessageBox box(request.is_error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QString::fromStdString(request.title), DisplayText(request.text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // A message box has a close box only, and stays above the window it speaks for.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowCloseButtonHint);
  if (QWidget* active = QApplication::activeWindow()) {
    box.winId();
    box.windowHandle()->setTransientParent(active->windowHandle());
  }
  box.exec();
}

LocalDateTime SystemClock() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(), now.date().day(), now.time().hour()};
}

// No sound until the program installs its player (the orvalin program plays
// through the desktop's event sounds), so nothing else links a sound library.
void PlayNothing(const std::string&) {}

void QuitEventLoop() { QCoreApplication::exit(0); }

}  // namespace

Runtime& Runtime::Get() {
  static Runtime runtime;
  return runtime;
}

Runtime::Runtime() { Reset(); }

void Runtime::Reset() {
  activation_order_.clear();
  active_ = nullptr;
  ended_ = false;
  error_focus_ = nullptr;
  message_box_ = ShowQtMessageBox;
  clock_ = SystemClock;
  sound_ = PlayNothing;
  end_handler_ = QuitEventLoop;
}

void Runtime::Register(RuntimeWindow* form) { forms_.push_back(form); }

void Runtime::Unregister(RuntimeWindow* form) {
  std::erase(forms_, form);
  std::erase(activation_order_, form);
  if (active_ == form) active_ = nullptr;
}

void Runtime::Dispatch(RuntimeWindow* owner, const std::function<void()>& procedure) {
  if (ended_) return;
  if (owner && (!owner->IsLoaded() || !owner->IsEnabled())) return;
  QPointer<QWidget> focus_before = owner && owner->Window() ? owner->Window()->focusWidget() : nullptr;
  error_focus_ = nullptr;
  try {
    procedure();
  } catch (const RuntimeError& error) {
    // The procedure is abandoned; it changes nothing before its conversions succeed.
    QPointer<QWidget> focus_after = error_focus_ ? error_focus_ : focus_before.data();
    error_focus_ = nullptr;
    ReportRuntimeError(error);
    if (focus_after && !ended_) {
      focus_after->setFocus(Qt::OtherFocusReason);
      // The box at fault comes back selected, ready to be typed over.
      if (auto* box = qobject_cast<QLineEdit*>(focus_after.data())) box->selectAll();
    }
  }
}

void Runtime::ReportRuntimeError(const RuntimeError& error) {
  ShowMessageBox({"Orvalin", "実行時エラー '" + std::to_string(error.number()) + "':\n\n" + error.description(),
                  kOkOnly, true});
}

void Runtime::End() {
  if (ended_) return;
  ended_ = true;
  active_ = nullptr;
  for (RuntimeWindow* form : forms_) form->DestroyWindow();
  if (end_handler_) end_handler_();
}

void Runtime::Activate(RuntimeWindow* form) {
  if (ended_ || active_ == form) return;
  active_ = form;
  std::erase(activation_order_, form);
  activation_order_.push_back(form);
  form->RunActivate();
}

void Runtime::Deactivate(RuntimeWindow* form) {
  if (active_ != form) return;
  active_ = nullptr;
  if (RuntimeWindow* next = MostRecentActivatable(form)) {
    RaiseWindow(next->Window());
    Activate(next);
  }
}

void Runtime::Unloaded(RuntimeWindow* form) {
  std::erase(activation_order_, form);
  const bool any_loaded = std::any_of(forms_.begin(), forms_.end(), [](RuntimeWindow* f) { return f->IsLoaded(); });
  if (!any_loaded) End();
}

RuntimeWindow* Runtime::MostRecentActivatable(const RuntimeWindow* except) const {
  for (auto it = activation_order_.rbegin(); it != activation_order_.rend(); ++it) {
    RuntimeWindow* candidate = *it;
    if (candidate != except && candidate->IsLoaded() && candidate->IsVisible() && candidate->IsEnabled()) {
      return candidate;
    }
  }
  return nullptr;
}

void Runtime::ShowMessageBox(const MessageBoxRequest& request) { message_box_(request); }
LocalDateTime Runtime::Now() const { return clock_(); }
void Runtime::PlaySound(const std::string& path) { sound_(path); }

void Runtime::SetMessageBoxPresenter(std::function<void(const MessageBoxRequest&)> presenter) {
  message_box_ = std::move(presenter);
}
void Runtime::SetClock(std::function<LocalDateTime()> clock) { clock_ = std::move(clock); }
void Runtime::SetSoundPlayer(std::function<void(const std::string&)> player) { sound_ = std::move(player); }
void Runtime::SetEndHandler(std::function<void()> handler) { end_handler_ = std::move(handler); }

}  // namespace platform
