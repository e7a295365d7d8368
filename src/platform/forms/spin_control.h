// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace platform {

class TextBox;

// A spin control attached to a text box: its arrows step a whole number by 1 within
// [minimum, maximum] and write it into the box. A step starts from the number in
// the box when it holds one (clamped to the range), otherwise from the control's own
// value; it stops at the ends instead of wrapping.
class SpinControl : public QWidget {
 public:
  SpinControl(QWidget* parent, TextBox* buddy, int minimum, int maximum, int initial);

  // Names the control after the field it steps (a screen reader's name) and each
  // arrow after what it does: "計算年を1増やす", "計算年を1減らす".
  void SetFieldName(const QString& field);

  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }
  int Value() const { return value_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  static constexpr int kFocusFramePixels = 2;
  void Step(int delta);
  void LayOutArrows();

  TextBox* buddy_;
  int minimum_;
  int maximum_;
  int value_;
  QWidget* up_;
  QWidget* down_;
};

// The value a spin step starts from: the number in `box_text` rounded and clamped
// to the range, or `own_value` when the text is not a number.
int SpinStartValue(const std::string& box_text, int own_value, int minimum, int maximum);

}  // namespace platform
