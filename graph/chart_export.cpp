// SPDX-License-Identifier: MIT
#include "graph/chart_export.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QStyle>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <string>

#include "graph/curve_runs.h"
#include "platform/core/geometry.h"
#include "platform/forms/form_client.h"
#include "platform/forms/text_box.h"

namespace graph {
namespace {

constexpr double kPixelsPerInch = 1440.0 / platform::kTwipsPerPixel;  // 96

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

QPointF PixelsOf(float x_twips, float y_twips) {
  return {x_twips / double(platform::kTwipsPerPixel), y_twips / double(platform::kTwipsPerPixel)};
}

// The font as it is drawn, under the name of the face that draws it: the layouts
// name Windows faces that a drawing program or a PDF reader would not find.
QFont ResolvedFont(const QFont& font) {
  QFont resolved = font;
  resolved.setFamilies({QFontInfo(font).family()});
  return resolved;
}

void DrawLines(QPainter& painter, const platform::FormClient& chart) {
  const QColor window_text = chart.palette().color(QPalette::Active, QPalette::WindowText);
  for (const platform::LineShape& line : chart.Lines()) {
    QPen pen(line.has_colour ? QColor::fromRgb(line.colour) : window_text);
    pen.setWidthF(line.width_pixels);
    pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(PixelsOf(line.x1, line.y1), PixelsOf(line.x2, line.y2));
  }
}

void DrawLabels(QPainter& painter, const platform::FormClient& chart) {
  for (const QLabel* label : chart.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (!label->isVisibleTo(&chart) || label->text().isEmpty()) continue;
    painter.setPen(label->palette().color(QPalette::Active, QPalette::WindowText));
    painter.setFont(ResolvedFont(label->font()));
    painter.drawText(label->geometry(), static_cast<int>(label->alignment()), label->text());
  }
}

// A text box as it looks without the focus: its one-pixel border (the boxes' style
// sheet), its fill and its text, placed as the box places it: Qt's two pixels
// inside the border, moved by the box's own text margins.
void DrawTextBoxes(QPainter& painter, const platform::FormClient& chart) {
  constexpr int kBorderPixels = 1, kQtTextIndentPixels = 2;
  for (const platform::TextBox* box : chart.findChildren<platform::TextBox*>(Qt::FindDirectChildrenOnly)) {
    if (!box->isVisibleTo(&chart)) continue;
    const QPalette& colours = box->palette();
    const QRectF outer = box->geometry();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.color(QPalette::Active, QPalette::Button));
    painter.drawRect(outer);
    QPen border(colours.color(QPalette::Active, QPalette::Dark));
    border.setWidthF(kBorderPixels);
    border.setJoinStyle(Qt::MiterJoin);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    const double half = kBorderPixels / 2.0;
    painter.drawRect(outer.adjusted(half, half, -half, -half));
    painter.setPen(colours.color(QPalette::Active, QPalette::Text));
    painter.setFont(ResolvedFont(box->font()));
    const QMargins margins = box->textMargins();
    const QRectF text_area = outer.adjusted(kBorderPixels + kQtTextIndentPixels + margins.left(),
                                            kBorderPixels + margins.top(),
                                            -(kBorderPixels + kQtTextIndentPixels + margins.right()),
                                            -(kBorderPixels + margins.bottom()));
    painter.drawText(text_area, static_cast<int>(box->alignment()), box->text());
  }
}

void DrawCurves(QPainter& painter, const platform::FormClient& chart) {
  const platform::PlottedPoints& points = chart.Plotted();
  painter.setBrush(Qt::NoBrush);
  for (const CurveRun& run : CurveRuns(points)) {
    QPen pen(QColor::fromRgb(run.colour));
    pen.setWidthF(1);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const platform::PlottedPoint& first = points[run.first];
    if (run.count == 1) {
      painter.drawPoint(PixelsOf(first.x_twips, first.y_twips));
      continue;
    }
    QPainterPath path(PixelsOf(first.x_twips, first.y_twips));
    for (std::size_t i = run.first + 1; i < run.first + run.count; ++i) {
      path.lineTo(PixelsOf(points[i].x_twips, points[i].y_twips));
    }
    painter.drawPath(path);
  }
}

QByteArray EncodePng(platform::FormClient& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  chart.grab().toImage().save(&buffer, "PNG");
  return bytes;
}

QByteArray EncodeSvg(const platform::FormClient& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(chart.size());
  svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
  svg.setResolution(static_cast<int>(kPixelsPerInch));
  svg.setTitle(QStringLiteral("均時差"));
  QPainter painter(&svg);
  DrawChart(painter, chart);
  painter.end();
  return bytes;
}

QByteArray EncodePdf(const platform::FormClient& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(QStringLiteral("均時差"));
  pdf.setCreator(QStringLiteral("Orvalin"));
  const QSizeF inches(chart.width() / kPixelsPerInch, chart.height() / kPixelsPerInch);
  pdf.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&pdf);
  DrawChartCentred(painter, chart, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), pdf.resolution());
  painter.end();
  return bytes;
}

}  // namespace

std::optional<ChartFormat> ChartFormatNamed(std::string_view name) {
  const std::string lower = Lowercase(name);
  if (lower == "png") return ChartFormat::kPng;
  if (lower == "svg") return ChartFormat::kSvg;
  if (lower == "pdf") return ChartFormat::kPdf;
  return std::nullopt;
}

std::optional<ChartFormat> ChartFormatOfFileName(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  const std::size_t slash = file_name.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
  return ChartFormatNamed(file_name.substr(dot + 1));
}

void DrawChart(QPainter& painter, const platform::FormClient& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRectF(QPointF(0, 0), chart.size()), chart.palette().color(QPalette::Active, QPalette::Window));
  DrawCurves(painter, chart);  // under the line shapes, as on the window's surface
  DrawLines(painter, chart);
  DrawLabels(painter, chart);
  DrawTextBoxes(painter, chart);
  painter.restore();
}

void DrawChartCentred(QPainter& painter, const platform::FormClient& chart, const QRectF& area,
                      double dots_per_inch) {
  const double true_scale = dots_per_inch / kPixelsPerInch;
  const double scale = std::min({true_scale, area.width() / chart.width(), area.height() / chart.height()});
  const QSizeF drawn(chart.width() * scale, chart.height() * scale);
  painter.save();
  painter.translate(area.center() - QPointF(drawn.width() / 2, drawn.height() / 2));
  painter.scale(scale, scale);
  DrawChart(painter, chart);
  painter.restore();
}

QByteArray EncodeChart(platform::FormClient& chart, ChartFormat format) {
  switch (format) {
    case ChartFormat::kPng:
      return EncodePng(chart);
    case ChartFormat::kSvg:
      return EncodeSvg(chart);
    case ChartFormat::kPdf:
      return EncodePdf(chart);
  }
  return {};
}

bool PrintChart(QPrinter& printer, const platform::FormClient& chart) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  DrawChartCentred(painter, chart, QRectF(QPointF(0, 0), page.size()), printer.resolution());
  return painter.end();
}

}  // namespace graph
