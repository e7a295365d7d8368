// SPDX-License-Identifier: MIT
#include "platform/form_window.h"

#include <QCloseEvent>

#include "platform/form.h"

namespace platform {

FormWindow::FormWindow(Form* form) : QMainWindow(nullptr), form_(form) {
  // Fixed size: no maximise box; minimise and close stay.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides: it unloads itself (hiding and destroying this window) when
  // it is enabled; a disabled window ignores the close box.
  event->ignore();
  form_->RequestClose();
}

}  // namespace platform
