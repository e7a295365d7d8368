// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "platform/core/palette.h"

namespace platform {

// A line shape in twips, drawn over the drawing surface and under the controls.
struct LineShape {
  int x1, y1, x2, y2;  // twips
  bool dotted;
  int width_pixels;
  bool has_colour = false;  // otherwise the system window-text colour
  Colour colour = 0;
};

// The client area of a form: a fixed size, a persistent drawing surface of device
// pixels that paintEvent only copies, and the line shapes over it.
class FormClient : public QWidget {
 public:
  FormClient(QWidget* parent, int width_twips, int height_twips);

  // Plots one device pixel at a twip position; points outside the surface are
  // dropped. Asks for one repaint however many points follow before it happens.
  void PSet(float x_twips, float y_twips, Colour colour);
  // Clears the surface.
  void Cls();
  void AddLine(const LineShape& line) { lines_.push_back(line); }

  const QImage& Surface() const { return surface_; }
  const std::vector<LineShape>& Lines() const { return lines_; }
  // The device pixel a twip position falls on.
  QPoint DevicePixelOf(float x_twips, float y_twips) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage surface_;
  std::vector<LineShape> lines_;
  bool repaint_requested_ = false;
};

}  // namespace platform
