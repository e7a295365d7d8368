// SPDX-License-Identifier: MIT
#include "platform/forms/command_button.h"

#include <QKeyEvent>

namespace platform {

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    event->accept();
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace platform
