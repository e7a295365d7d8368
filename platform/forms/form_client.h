// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>
#include <deque>
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

// One PSet as it was asked for: where (twips, before rounding to a pixel) and in
// which colour. The list of them lets the chart be drawn again at any resolution.
struct PlottedPoint {
  float x_twips, y_twips;
  Colour colour;
};
// In blocks rather than one array: a long list grows without copying itself into
// ever larger fresh memory.
using PlottedPoints = std::deque<PlottedPoint>;

// The client area of a form: a fixed size, a persistent drawing surface of device
// pixels that paintEvent only copies, and the line shapes over it.
class FormClient : public QWidget {
 public:
  FormClient(QWidget* parent, int width_twips, int height_twips);

  // Plots one device pixel at a twip position and records the point; points outside
  // the surface are dropped. Asks for one repaint however many points follow before
  // it happens.
  void PSet(float x_twips, float y_twips, Colour colour);
  // Clears the surface and the list of plotted points.
  void Cls();
  void AddLine(const LineShape& line) { lines_.push_back(line); }

  const QImage& Surface() const { return surface_; }
  // What PSet plotted since the last Cls, in order.
  const PlottedPoints& Plotted() const { return plotted_; }
  const std::vector<LineShape>& Lines() const { return lines_; }
  // The device pixel a twip position falls on.
  QPoint DevicePixelOf(float x_twips, float y_twips) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage surface_;
  std::vector<LineShape> lines_;
  PlottedPoints plotted_;
  bool repaint_requested_ = false;
};

}  // namespace platform
