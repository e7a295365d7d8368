// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace platform {

// A push button that Enter clicks when it has the focus, as Space does.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
