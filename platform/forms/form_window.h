// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace platform {

class Form;

// The loaded window of a Form: a fixed-size top-level window with an optional menu
// bar over the form's client area. Its close box goes to the form through the
// runtime's dispatcher, so a disabled window ignores it.
class FormWindow : public QMainWindow {
 public:
  explicit FormWindow(Form* form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  Form* form_;
};

}  // namespace platform
