// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "chart/chart_format.h"

class QPainter;
class QRectF;

// The chart as the bytes of an image file: PNG as the window shows it, SVG and PDF
// as vectors at the chart's true size (15 twips per pixel, 1,440 twips per inch).
namespace chart {

struct Chart;

// Draws the chart as vectors at its true size on a device of `dots_per_inch`,
// centred in `area` (device pixels); a chart larger than `area` is shrunk to fit.
void DrawChartCentred(QPainter& painter, const Chart& chart, bool legend, const QRectF& area, double dots_per_inch);

// The chart encoded in memory; the legend under it when asked for. PNG is the
// window's picture pixel for pixel (taller by the legend), at `device_pixel_ratio`
// device pixels a pixel as a window on a scaled screen shows it; SVG and PDF (one
// page the size of the drawing) are vectors. Empty if the encoding failed.
QByteArray EncodeChart(const Chart& chart, ChartFormat format, bool legend, double device_pixel_ratio = 1);

}  // namespace chart
