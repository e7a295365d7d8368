// SPDX-License-Identifier: MIT
#include "paper/page_painter.h"

#include <QFontMetricsF>
#include <QPen>
#include <QStringList>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace paper {

double PointsToMm(double points) { return points * 25.4 / 72; }

QFont SheetFont(double pixels, bool bold) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  return font;
}

double WrappedTextHeightMm(const QString& text, double points, double width_mm, bool bold) {
  // Measured at 100 dots a millimetre, as the labels are.
  constexpr double kDots = 100;
  const QFontMetricsF metrics(SheetFont(PointsToMm(points) * kDots, bold));
  return metrics.boundingRect(QRectF(0, 0, width_mm * kDots, 1e7), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
             .height() /
         kDots;
}

void SetUpSvg(QSvgGenerator& svg, QIODevice* device, double width_mm, double height_mm, const QString& title) {
  const int width_dots = static_cast<int>(std::lround(width_mm * kSvgDotsPerMm));
  const int height_dots = static_cast<int>(std::lround(height_mm * kSvgDotsPerMm));
  svg.setOutputDevice(device);
  svg.setSize(QSize(width_dots, height_dots));
  svg.setViewBox(QRectF(0, 0, width_dots, height_dots));
  svg.setResolution(static_cast<int>(std::lround(kSvgDotsPerMm * 25.4)));
  svg.setTitle(title);
}

void PagePainter::Pen(double width_mm, const QColor& colour, Qt::PenStyle style, Qt::PenCapStyle cap) {
  painter_.setPen(QPen(colour, width_mm * scale_, style, cap, Qt::MiterJoin));
  painter_.setBrush(Qt::NoBrush);
}

void PagePainter::Dot(PointMm centre, double diameter_mm) {
  painter_.setBrush(Qt::black);
  painter_.setPen(Qt::NoPen);
  painter_.drawEllipse(At(centre), diameter_mm / 2 * scale_, diameter_mm / 2 * scale_);
  painter_.setBrush(Qt::NoBrush);
}

void PagePainter::Text(const RectMm& box, const QString& text, double points, int flags, bool bold,
                       const QColor& colour) {
  painter_.setFont(SheetFont(PointsToMm(points) * scale_, bold));
  painter_.setPen(colour);
  painter_.drawText(At(box), flags, text);
}

}  // namespace paper
