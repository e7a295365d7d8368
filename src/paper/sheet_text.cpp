// SPDX-License-Identifier: MIT
#include "paper/sheet_text.h"

#include <QStringList>
#include <charconv>
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

QString ClockText(int minutes) {
  const int day = 24 * 60;
  const int wrapped = ((minutes % day) + day) % day;
  return QStringLiteral("%1:%2").arg(wrapped / 60, 2, 10, QLatin1Char('0')).arg(wrapped % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace paper
