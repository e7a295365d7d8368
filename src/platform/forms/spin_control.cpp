// SPDX-License-Identifier: MIT
#include "platform/forms/spin_control.h"

#include <QKeyEvent>
#include <QPainter>
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
  // A Tab stop; a click on an arrow leaves the focus in the box it steps, so that
  // Enter then acts on that box.
  setFocusPolicy(Qt::TabFocus);
  auto make_arrow = [this](Qt::ArrowType arrow, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::pressed, this, [this] { buddy_->setFocus(Qt::OtherFocusReason); });
    connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return button;
  };
  up_ = make_arrow(Qt::UpArrow, +1);
  down_ = make_arrow(Qt::DownArrow, -1);
  buddy_->SetArrowKeySteps([this](bool step_up) { step_up ? StepUp() : StepDown(); });
}

void SpinControl::SetFieldName(const QString& field) {
  setAccessibleName(field);
  up_->setAccessibleName(field + QStringLiteral("を1増やす"));
  down_->setAccessibleName(field + QStringLiteral("を1減らす"));
}

void SpinControl::resizeEvent(QResizeEvent*) { LayOutArrows(); }

// With the focus the arrows stand inside a frame of the highlight colour, the
// mark that shows a keyboard user where Tab went.
void SpinControl::LayOutArrows() {
  const int frame = hasFocus() ? kFocusFramePixels : 0;
  const QRect inside = rect().adjusted(frame, frame, -frame, -frame);
  const int half = inside.height() / 2;
  up_->setGeometry(inside.left(), inside.top(), inside.width(), half);
  down_->setGeometry(inside.left(), inside.top() + half, inside.width(), inside.height() - half);
}

void SpinControl::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

void SpinControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  LayOutArrows();
  update();
}

void SpinControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  LayOutArrows();
  update();
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
