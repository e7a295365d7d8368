// SPDX-License-Identifier: MIT
#include "chart_drawing/chart_painter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "chart/chart.h"
#include "chart_drawing/chart_fonts.h"
#include "chart/chart_geometry.h"
#include "platform/core/geometry.h"
#include "platform/fonts/text_fit.h"

namespace chart {
namespace {

using platform::TwipsToPixels;
using namespace chart::area;

// The legend: a row of entries under the chart from the left axis to the right
// edge of the grid, as many rows as they need.
constexpr int kLegendGapPixels = 10;         // between the chart area and the first row
constexpr int kLegendRowGapPixels = 4;
constexpr int kLegendBottomPixels = 10;
constexpr int kLegendSwatchPixels = 24;      // the sample of the curve's line
constexpr int kLegendSwatchGapPixels = 6;    // from the sample to its text
constexpr int kLegendEntryGapPixels = 20;    // from one entry to the next

QColor ColourOf(platform::Colour colour) { return QColor::fromRgb(colour); }

QRect ChartArea() { return {0, 0, TwipsToPixels(kWidthOfAreaTwips), TwipsToPixels(kHeightOfAreaTwips)}; }

QRect PixelRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// A vector file names the face that draws the text: the Windows names the layout
// uses would not be found by a drawing program or a PDF reader.
QFont FontFor(const QFont& font, ChartDrawing drawing) {
  if (drawing == ChartDrawing::kWindowPixels) return font;
  QFont resolved = font;
  resolved.setFamilies({QFontInfo(font).family()});
  return resolved;
}

QPointF PointPixels(const ChartPoint& point) {
  return {point.x_twips / double(platform::kTwipsPerPixel), point.y_twips / double(platform::kTwipsPerPixel)};
}

void DrawCurves(QPainter& painter, const Chart& chart, ChartDrawing drawing) {
  const QRect area = ChartArea();
  painter.save();
  painter.setClipRect(area);
  for (const ChartCurve& curve : chart.curves) {
    if (curve.points.empty()) continue;
    if (drawing == ChartDrawing::kWindowPixels) {
      // Where the window's surface plots each sample: one device pixel, later over
      // earlier (on a scaled screen a device pixel is a fraction of a pixel).
      const QColor colour = ColourOf(curve.colour);
      const double ratio = painter.device()->devicePixelRatioF();
      for (const ChartPoint& point : curve.points) {
        const QPoint pixel(static_cast<int>(platform::PlottedPixel(point.x_twips, ratio)),
                           static_cast<int>(platform::PlottedPixel(point.y_twips, ratio)));
        if (ratio == 1) {
          if (area.contains(pixel)) painter.fillRect(QRect(pixel, QSize(1, 1)), colour);
        } else if (pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < area.width() * ratio &&
                   pixel.y() < area.height() * ratio) {
          painter.fillRect(QRectF(pixel.x() / ratio, pixel.y() / ratio, 1 / ratio, 1 / ratio), colour);
        }
      }
      continue;
    }
    QPen pen(ColourOf(curve.colour));
    pen.setWidthF(1);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (curve.points.size() == 1) {
      painter.drawPoint(PointPixels(curve.points.front()));
      continue;
    }
    QPainterPath path(PointPixels(curve.points.front()));
    for (std::size_t i = 1; i < curve.points.size(); ++i) path.lineTo(PointPixels(curve.points[i]));
    painter.drawPath(path);
  }
  painter.restore();
}

void DrawFrameLines(QPainter& painter, const Chart& chart, ChartDrawing drawing) {
  for (const FrameLine& line : kFrameLines) {
    QPen pen(ColourOf(chart.colours.ink));
    pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    if (drawing == ChartDrawing::kWindowPixels) {
      // As the window's client area draws its line shapes.
      pen.setWidth(line.width_pixels);
      painter.setPen(pen);
      painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                       TwipsToPixels(line.y2));
    } else {
      pen.setWidthF(line.width_pixels);
      painter.setPen(pen);
      const double k = platform::kTwipsPerPixel;
      painter.drawLine(QPointF(line.x1 / k, line.y1 / k), QPointF(line.x2 / k, line.y2 / k));
    }
  }
}

// A caption as a label of the window draws it: in its box as laid out, grown where
// the face needs more room, aligned at the top.
void DrawCaption(QPainter& painter, const Chart& chart, const FrameCaption& caption, ChartDrawing drawing) {
  const QFont font = platform::MakeFont(CaptionFontSpec(caption.font));
  const QString text = QString::fromUtf8(caption.text);
  const Qt::Alignment alignment = caption.right_aligned ? Qt::AlignRight : Qt::AlignLeft;
  const QRect box = platform::GrownCaptionRect(PixelRect(caption.left, caption.top, caption.width, caption.height),
                                               QFontMetrics(font).size(Qt::TextSingleLine, text), alignment);
  painter.setFont(FontFor(font, drawing));
  painter.setPen(ColourOf(chart.colours.ink));
  painter.drawText(box, static_cast<int>(alignment | Qt::AlignTop), text);
}

// The year box as the window's read-only text box shows it without the focus: a
// one-pixel border, its fill, and the text laid out and placed as a line edit
// places it (two pixels inside the box's text margins, centred vertically).
void DrawYearBox(QPainter& painter, const Chart& chart, ChartDrawing drawing) {
  constexpr int kBorderPixels = 1, kTextIndentPixels = 2, kTextMarginPixels = -1, kCursorPixels = 1;
  const QRect outer = PixelRect(kYearBox.left, kYearBox.top, kYearBox.width, kYearBox.height);
  painter.fillRect(outer, ColourOf(chart.colours.box_fill));
  const QColor border = ColourOf(chart.colours.box_border);
  painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), kBorderPixels), border);
  painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), kBorderPixels), border);
  painter.fillRect(QRect(outer.left(), outer.top(), kBorderPixels, outer.height()), border);
  painter.fillRect(QRect(outer.right(), outer.top(), kBorderPixels, outer.height()), border);
  if (chart.year_text.empty()) return;

  const int room = outer.width() - 2 * (kBorderPixels + kTextIndentPixels + kTextMarginPixels) - kCursorPixels;
  const QFont font = platform::FittedFont(platform::MakeFont(kYearBoxFont), QString::fromUtf8(kLongestYearText), room);
  const QString text = QString::fromStdString(chart.year_text);
  const QFontMetrics metrics(font);
  const QRect contents = outer.adjusted(kBorderPixels + kTextMarginPixels, kBorderPixels,
                                        -(kBorderPixels + kTextMarginPixels), -kBorderPixels);
  const int text_height = std::max(metrics.boundingRect(text).height(), metrics.height());
  const int top = contents.y() + (contents.height() - text_height + 1) / 2;

  QTextLayout layout(text, FontFor(font, drawing));
  QTextOption option = layout.textOption();
  option.setTextDirection(Qt::LeftToRight);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QPoint at(contents.x() + kTextIndentPixels, top - (qRound(line.ascent()) - metrics.ascent()));
  painter.save();
  painter.setClipRect(contents);
  painter.setPen(ColourOf(chart.colours.box_text));
  layout.draw(&painter, at);
  painter.restore();
}

struct LegendPlace {
  LegendEntry entry;
  QRect text;  // pixels
};

QFont LegendFont() { return platform::MakeFont(platform::fonts::kPGothic12); }

std::vector<LegendPlace> LayOutLegend(const Chart& chart, int& height) {
  const QFontMetrics metrics(LegendFont());
  const int left = TwipsToPixels(kLeftTwips), right = TwipsToPixels(kRightTwips);
  const int row_height = metrics.height() + kLegendRowGapPixels;
  std::vector<LegendPlace> places;
  int x = left, y = ChartArea().bottom() + 1 + kLegendGapPixels;
  for (LegendEntry& entry : LegendOf(chart)) {
    const QString text = QString::fromStdString(entry.text);
    const int width = kLegendSwatchPixels + kLegendSwatchGapPixels + metrics.horizontalAdvance(text);
    if (x > left && x + width > right) {
      x = left;
      y += row_height;
    }
    places.push_back({std::move(entry), QRect(x + kLegendSwatchPixels + kLegendSwatchGapPixels, y,
                                              metrics.horizontalAdvance(text), metrics.height())});
    x += width + kLegendEntryGapPixels;
  }
  height = places.empty() ? 0 : y + row_height - kLegendRowGapPixels + kLegendBottomPixels - (ChartArea().bottom() + 1);
  return places;
}

void DrawLegend(QPainter& painter, const Chart& chart, ChartDrawing drawing) {
  int height = 0;
  const QFont font = FontFor(LegendFont(), drawing);
  for (const LegendPlace& place : LayOutLegend(chart, height)) {
    QPen pen(ColourOf(place.entry.colour));
    pen.setWidth(2);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int middle = place.text.center().y() + 1;
    const int swatch_left = place.text.left() - kLegendSwatchGapPixels - kLegendSwatchPixels;
    painter.drawLine(QPoint(swatch_left, middle), QPoint(swatch_left + kLegendSwatchPixels, middle));
    painter.setFont(font);
    painter.setPen(ColourOf(chart.colours.ink));
    painter.drawText(place.text, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(place.entry.text));
  }
}

}  // namespace

QSize ChartDrawingSize(const Chart& chart, bool legend) {
  QSize size = ChartArea().size();
  if (legend) {
    int height = 0;
    LayOutLegend(chart, height);
    size.rheight() += height;
  }
  return size;
}

void DrawChart(QPainter& painter, const Chart& chart, ChartDrawing drawing, bool legend) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, drawing == ChartDrawing::kVectors);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRect(QPoint(0, 0), ChartDrawingSize(chart, legend)), ColourOf(chart.colours.background));
  // The curves lie under the frame, as the window's surface lies under its lines.
  DrawCurves(painter, chart, drawing);
  DrawFrameLines(painter, chart, drawing);
  for (const FrameCaption& caption : kFrameCaptions) DrawCaption(painter, chart, caption, drawing);
  DrawYearBox(painter, chart, drawing);
  DrawCaption(painter, chart, kYearUnit, drawing);
  if (legend) DrawLegend(painter, chart, drawing);
  painter.restore();
}

}  // namespace chart
