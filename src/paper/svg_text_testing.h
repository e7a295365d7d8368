// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

// For the sheets' tests: what a reader reads in an SVG sheet.
namespace paper::testing {

// The SVG's texts run after run, joined. QSvgGenerator writes a line in runs of
// one script ("夏時間" and "なし" apart), each in its own <text>.
inline QString SvgText(const QByteArray& svg) {
  QString text;
  static const QRegularExpression kRun(QStringLiteral("<text[^>]*>([^<]*)</text>"));
  for (const QRegularExpressionMatch& match : kRun.globalMatch(QString::fromUtf8(svg))) text += match.captured(1);
  return text;
}

}  // namespace paper::testing
