// SPDX-License-Identifier: MIT
#include "platform/forms/form_client.h"

#include <QPainter>
#include <QPen>
#include <cmath>

#include "platform/core/geometry.h"

namespace platform {

FormClient::FormClient(QWidget* parent, int width_twips, int height_twips) : QWidget(parent) {
  setFixedSize(TwipsToPixels(width_twips), TwipsToPixels(height_twips));
  // A disabled window takes no input but stays as legible as before (the chart is
  // read while the detail window is in use): its client area is not greyed.
  QPalette colours = palette();
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto colour_role = static_cast<QPalette::ColorRole>(role);
    colours.setColor(QPalette::Disabled, colour_role, colours.color(QPalette::Active, colour_role));
  }
  setPalette(colours);
  const qreal ratio = devicePixelRatioF();
  surface_ = QImage(QSize(std::lround(width() * ratio), std::lround(height() * ratio)),
                    QImage::Format_ARGB32_Premultiplied);
  surface_.setDevicePixelRatio(ratio);
  surface_.fill(Qt::transparent);
}

QPoint FormClient::DevicePixelOf(float x_twips, float y_twips) const {
  const double ratio = surface_.devicePixelRatio();
  return {static_cast<int>(PlottedPixel(x_twips, ratio)), static_cast<int>(PlottedPixel(y_twips, ratio))};
}

void FormClient::PSet(float x_twips, float y_twips, Colour colour) {
  const QPoint pixel = DevicePixelOf(x_twips, y_twips);
  if (!surface_.rect().contains(pixel)) return;
  // Straight into the row: the position is checked above, and the surface's format
  // is fixed (ARGB32, premultiplied, so an opaque colour is stored as it is).
  reinterpret_cast<QRgb*>(surface_.scanLine(pixel.y()))[pixel.x()] = 0xFF000000u | colour;
  if (!repaint_requested_) {
    repaint_requested_ = true;
    update();
  }
}

void FormClient::Cls() {
  surface_.fill(Qt::transparent);
  update();
}

void FormClient::paintEvent(QPaintEvent*) {
  repaint_requested_ = false;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), surface_);
  for (const LineShape& line : lines_) {
    QPen pen(line.has_colour ? QColor::fromRgb(line.colour) : palette().color(QPalette::WindowText));
    pen.setWidth(line.width_pixels);
    pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                     TwipsToPixels(line.y2));
  }
}

}  // namespace platform
