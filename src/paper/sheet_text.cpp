// SPDX-License-Identifier: MIT
#include "paper/sheet_text.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace paper {

QString OffsetText(int seconds) {
  const int minutes = std::abs(seconds) / 60;
  return QStringLiteral("UTC%1%2:%3")
      .arg(seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString AmountText(int seconds, bool japanese) {
  const int minutes = std::abs(seconds) / 60;
  const int hours = minutes / 60;
  const int rest = minutes % 60;
  if (japanese) {
    QString text;
    if (hours > 0) text += QStringLiteral("%1時間").arg(hours);
    if (rest > 0 || hours == 0) text += QStringLiteral("%1分").arg(rest);
    return text;
  }
  QStringList parts;
  if (hours > 0) parts << QStringLiteral("%1 hour%2").arg(hours).arg(hours == 1 ? "" : "s");
  if (rest > 0 || hours == 0) parts << QStringLiteral("%1 minute%2").arg(rest).arg(rest == 1 ? "" : "s");
  return parts.join(QLatin1Char(' '));
}

QString MillimetresText(double mm) {
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed);
  return error == std::errc() ? QString::fromLatin1(text, static_cast<qsizetype>(end - text)) : QString();
}

QString CompassPointText(double azimuth_degrees, bool japanese) {
  static const char* const kJapanese[] = {"北", "北東", "東", "南東", "南", "南西", "西", "北西"};
  static const char* const kEnglish[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
  const long index = std::lround(std::fmod(std::fmod(azimuth_degrees, 360.0) + 360.0, 360.0) / 45) % 8;
  return QString::fromUtf8(japanese ? kJapanese[index] : kEnglish[index]);
}

QString DecimalText(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && text.toDouble() == 0) text.remove(0, 1);
  return text;
}

QString ClockText(int minutes) {
  const int day = 24 * 60;
  const int wrapped = ((minutes % day) + day) % day;
  return QStringLiteral("%1:%2").arg(wrapped / 60, 2, 10, QLatin1Char('0')).arg(wrapped % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace paper
