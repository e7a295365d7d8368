// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegularExpression>
#include <QString>

// For the sheets' tests: what a reader reads in an SVG sheet, and what a printer
// would cut off a page.
namespace paper::testing {

// The SVG's texts run after run, joined. QSvgGenerator writes a line in runs of
// one script ("夏時間" and "なし" apart), each in its own <text>.
inline QString SvgText(const QByteArray& svg) {
  QString text;
  static const QRegularExpression kRun(QStringLiteral("<text[^>]*>([^<]*)</text>"));
  for (const QRegularExpressionMatch& match : kRun.globalMatch(QString::fromUtf8(svg))) text += match.captured(1);
  return text;
}

// Whether any dot within `band_mm` of the image's edges is not white: ink that a
// printer's unprintable margin would cut off.
inline bool InkNearTheEdge(const QImage& image, double dots_per_mm, double band_mm) {
  const int band = static_cast<int>(band_mm * dots_per_mm);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool near = x < band || y < band || x >= image.width() - band || y >= image.height() - band;
      if (near && (image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) return true;
    }
  }
  return false;
}

}  // namespace paper::testing
