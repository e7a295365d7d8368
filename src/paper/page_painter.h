// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "sheet_layout/page_tiles.h"

class QIODevice;
class QSvgGenerator;

// Drawing a sheet in millimetres of the page, on any QPainter (PDF, SVG, a test
// image): the one place where millimetres become the device's dots and points
// become a face's size.
namespace paper {

// Points (1/72 inch) in millimetres.
double PointsToMm(double points);

// The sheets' Japanese face (IPA P Gothic, else IPA Gothic, else Noto Sans CJK JP)
// at `pixels` dots.
QFont SheetFont(double pixels, bool bold);

// How tall `text` stands in the sheet's face at `points`, wrapped at words to
// `width_mm`, in millimetres.
double WrappedTextHeightMm(const QString& text, double points, double width_mm, bool bold = false);

// An SVG's user units are tenths of a millimetre: 10 dots a millimetre.
inline constexpr double kSvgDotsPerMm = 10;

// Sets `svg` up to write into `device` a drawing of `width_mm` × `height_mm`
// (to the nearest 0.1 mm), its width and height given in millimetres so that it
// prints at true size.
void SetUpSvg(QSvgGenerator& svg, QIODevice* device, double width_mm, double height_mm, const QString& title);

// A painter that takes millimetres: `dots_per_mm` dots of the device a millimetre.
class PagePainter {
 public:
  PagePainter(QPainter& painter, double dots_per_mm) : painter_(painter), scale_(dots_per_mm) {}

  QPointF At(PointMm p) const { return {p.x * scale_, p.y * scale_}; }
  QRectF At(const RectMm& r) const { return {r.left * scale_, r.top * scale_, r.width * scale_, r.height * scale_}; }
  double Scale() const { return scale_; }

  // The pen of the lines, frames and circles that follow; no fill.
  void Pen(double width_mm, const QColor& colour = Qt::black, Qt::PenStyle style = Qt::SolidLine,
           Qt::PenCapStyle cap = Qt::FlatCap);
  void Line(PointMm a, PointMm b) { painter_.drawLine(At(a), At(b)); }
  void Path(const QPainterPath& path) { painter_.drawPath(path); }
  void Frame(const RectMm& r) { painter_.drawRect(At(r)); }
  void Circle(PointMm centre, double radius_mm) { painter_.drawEllipse(At(centre), radius_mm * scale_, radius_mm * scale_); }
  void Dot(PointMm centre, double diameter_mm);
  void Fill(const RectMm& r, const QColor& colour) { painter_.fillRect(At(r), colour); }
  // `text` in the sheet's face at `points`, placed in `box` by Qt's alignment `flags`.
  void Text(const RectMm& box, const QString& text, double points, int flags, bool bold = false,
            const QColor& colour = Qt::black);
  void Clip(const RectMm& r) { painter_.setClipRect(At(r)); }
  void NoClip() { painter_.setClipping(false); }

 private:
  QPainter& painter_;
  double scale_;
};

}  // namespace paper
