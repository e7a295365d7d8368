// SPDX-License-Identifier: MIT
#include "chart_drawing/chart_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/chart.h"
#include "chart_drawing/chart_painter.h"
#include "platform/core/geometry.h"

namespace chart {
namespace {

constexpr double kPixelsPerInch = 1440.0 / platform::kTwipsPerPixel;  // 96

QByteArray EncodePng(const Chart& chart, bool legend, double device_pixel_ratio) {
  // The format of the window's own picture, so that the pixels come out the same;
  // on a scaled screen as many pixels as the window shows.
  const QSize size = ChartDrawingSize(chart, legend);
  QImage image(QSize(static_cast<int>(std::lround(size.width() * device_pixel_ratio)),
                     static_cast<int>(std::lround(size.height() * device_pixel_ratio))),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(device_pixel_ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawChart(painter, chart, ChartDrawing::kWindowPixels, legend);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return bytes;
}

QByteArray EncodeSvg(const Chart& chart, bool legend) {
  const QSize size = ChartDrawingSize(chart, legend);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(static_cast<int>(kPixelsPerInch));
  svg.setTitle(QStringLiteral("均時差"));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  DrawChart(painter, chart, ChartDrawing::kVectors, legend);
  painter.end();
  return bytes;
}

QByteArray EncodePdf(const Chart& chart, bool legend) {
  const QSize size = ChartDrawingSize(chart, legend);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(QStringLiteral("均時差"));
  pdf.setCreator(QStringLiteral("Orvalin"));
  const QSizeF inches(size.width() / kPixelsPerInch, size.height() / kPixelsPerInch);
  pdf.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&pdf)) return {};
  DrawChartCentred(painter, chart, legend, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())),
                   pdf.resolution());
  painter.end();
  return bytes;
}

}  // namespace

void DrawChartCentred(QPainter& painter, const Chart& chart, bool legend, const QRectF& area, double dots_per_inch) {
  const QSizeF size = ChartDrawingSize(chart, legend);
  const double true_scale = dots_per_inch / kPixelsPerInch;
  const double scale = std::min({true_scale, area.width() / size.width(), area.height() / size.height()});
  const QSizeF drawn = size * scale;
  painter.save();
  painter.translate(area.center() - QPointF(drawn.width() / 2, drawn.height() / 2));
  painter.scale(scale, scale);
  DrawChart(painter, chart, ChartDrawing::kVectors, legend);
  painter.restore();
}

QByteArray EncodeChart(const Chart& chart, ChartFormat format, bool legend, double device_pixel_ratio) {
  switch (format) {
    case ChartFormat::kPng:
      return EncodePng(chart, legend, device_pixel_ratio);
    case ChartFormat::kSvg:
      return EncodeSvg(chart, legend);
    case ChartFormat::kPdf:
      return EncodePdf(chart, legend);
  }
  return {};
}

}  // namespace chart
