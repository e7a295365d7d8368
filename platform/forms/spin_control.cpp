// SPDX-License-Identifier: MIT
#include "platform/forms/spin_control.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "platform/core/convert.h"
#include "platform/core/runtime_error.h"
#include "platform/forms/text_box.h"

namespace platform {

int SpinStartValue(const std::string& box_text, int own_value, int minimum, int maximum) {
  try {
    const double number = std::clamp(TextToDouble(box_text), double(minimum), double(maximum));
    return RoundToInteger(number);
  } catch (const RuntimeError&) {
    return own_value;
  }
}

SpinControl::SpinControl(QWidget* parent, TextBox* buddy, int minimum, int maximum, int initial)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), value_(initial) {
  setFocusPolicy(Qt::StrongFocus);
  auto make_arrow = [this](Qt::ArrowType arrow, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return button;
  };
  up_ = make_arrow(Qt::UpArrow, +1);
  down_ = make_arrow(Qt::DownArrow, -1);
  buddy_->AttachSpin(this);
}

void SpinControl::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

void SpinControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    StepUp();
  } else if (event->key() == Qt::Key_Down) {
    StepDown();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void SpinControl::Step(int delta) {
  value_ = std::clamp(SpinStartValue(buddy_->Text(), value_, minimum_, maximum_) + delta, minimum_, maximum_);
  buddy_->SetText(NumberToText(value_));
}

}  // namespace platform
