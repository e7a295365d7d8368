// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace platform {

// What a loaded window tells the form it belongs to.
class FormWindowEvents {
 public:
  // The close box was clicked: the form decides (it unloads itself, hiding and
  // destroying the window, when the runtime lets it).
  virtual void RequestClose() = 0;
  // The window moved or was shown: its frame's size may be known now.
  virtual void FrameMarginsChanged() = 0;

 protected:
  ~FormWindowEvents() = default;
};

// The loaded window of a Form: a fixed-size top-level window with an optional menu
// bar over the form's client area. Its close box goes to the form through the
// runtime's dispatcher, so a disabled window ignores it.
class FormWindow : public QMainWindow {
 public:
  explicit FormWindow(FormWindowEvents* form);

  // A window owned by another (a modal detail window) stays above its owner and
  // is minimised and restored with it: it offers no minimise button of its own.
  void SetOwned(bool owned);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  FormWindowEvents* form_;
};

}  // namespace platform
