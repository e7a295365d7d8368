// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

class QPainter;

// The one drawing of the chart, on any QPainter: an image, an SVG or PDF file, a
// printer. Coordinates are the window's logical pixels (15 twips each) with the
// origin at the chart area's top left; a caller scales the painter for other sizes.
namespace chart {

struct Chart;

enum class ChartDrawing {
  // As the window shows it, pixel for pixel: each sample one pixel where the window
  // plots it, lines on whole pixels, nothing smoothed but the text.
  kWindowPixels,
  // For files and paper: lines at their exact twip positions, each curve one
  // smooth path through its samples.
  kVectors,
};

// The size of the drawing: the chart area, and the legend under it when asked for.
QSize ChartDrawingSize(const Chart& chart, bool legend);

// Draws the background, the curves, the frame (lines, captions, the year box) and,
// when asked for, the legend: one entry per curve in its colour.
void DrawChart(QPainter& painter, const Chart& chart, ChartDrawing drawing, bool legend);

}  // namespace chart
