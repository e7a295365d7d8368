// SPDX-License-Identifier: MIT
#include "platform/forms/form_window.h"

#include <QCloseEvent>

#include "platform/forms/runtime.h"

namespace platform {

FormWindow::FormWindow(FormWindowEvents* form) : QMainWindow(nullptr), form_(form) { SetOwned(false); }

void FormWindow::SetOwned(bool owned) {
  // Fixed size: no maximise box; minimise and close stay on a window of its own.
  // An owned window is a dialog (window managers give it no maximise or minimise
  // function) whose only box is close.
  const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint;
  setWindowFlags(owned ? Qt::Dialog | frame : Qt::Window | frame | Qt::WindowMinimizeButtonHint);
}

// A window manager reports the frame it put around the window with a move.
void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  form_->FrameMarginsChanged();
}

void FormWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  form_->FrameMarginsChanged();
}

// A window manager may activate (and raise) a disabled window that was clicked; the
// program's active window then goes back on top, so the window that takes the
// input is never hidden behind the one that does not.
void FormWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
    RuntimeWindow* active = Runtime::Get().ActiveForm();
    if (active && active->Window() != this && active->IsVisible()) RaiseWindow(active->Window());
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides: it unloads itself (hiding and destroying this window) when
  // it is enabled; a disabled window ignores the close box.
  event->ignore();
  form_->RequestClose();
}

}  // namespace platform
