// SPDX-License-Identifier: MIT
#include "paper/correction_card_sheet.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTimeZone>
#include <cmath>
#include <map>

#include "paper/page_painter.h"
#include "platform/core/version.h"

namespace paper {
namespace {

// A4 portrait, in millimetres.
constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kMarginMm = 15;
constexpr double kTableTopMm = 44;
constexpr double kDayColumnMm = 12;
constexpr double kRowMm = 6.9;
constexpr double kMonthColumnMm = (kPageWidthMm - 2 * kMarginMm - kDayColumnMm) / 12;

QString OffsetText(int seconds) {
  const int minutes = std::abs(seconds) / 60;
  return QStringLiteral("UTC%1%2:%3")
      .arg(seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString LongitudeText(double degrees, bool japanese) {
  const QString number = QString::number(std::fabs(degrees), 'f', 4);
  if (japanese) return (degrees < 0 ? QStringLiteral("西経 ") : QStringLiteral("東経 ")) + number + QStringLiteral("°");
  return number + (degrees < 0 ? QStringLiteral("° W") : QStringLiteral("° E"));
}

// The summer-time addition most days of the card have (an hour almost everywhere).
int UsualSummerExtra(const sundial::CorrectionCard& card) {
  std::map<int, int> count;
  for (const auto& month : card.days) {
    for (const sundial::CardDay& day : month) {
      if (day.has_noon && day.summer_extra_seconds != 0) ++count[day.summer_extra_seconds];
    }
  }
  int usual = 0;
  int most = 0;
  for (const auto& [extra, days] : count) {
    if (days > most) {
      usual = extra;
      most = days;
    }
  }
  return usual;
}

}  // namespace

void DrawCorrectionCard(QPainter& painter, const sundial::CorrectionCard& card, SheetLanguage language,
                        double dots_per_mm) {
  const bool ja = language == SheetLanguage::kJapanese;
  PagePainter sheet(painter, dots_per_mm);
  sheet.Fill(RectMm{0, 0, kPageWidthMm, kPageHeightMm}, Qt::white);
  // A rule of the table, square-ended so that the frame's corners close.
  auto rule = [&sheet](double x1, double y1, double x2, double y2, double width_mm) {
    sheet.Pen(width_mm, Qt::black, Qt::SolidLine, Qt::SquareCap);
    sheet.Line({x1, y1}, {x2, y2});
  };
  const double width = kPageWidthMm - 2 * kMarginMm;
  const QTimeZone zone(card.zone_id);
  const int standard_offset =
      zone.standardTimeOffset(QDateTime(QDate(card.year, 1, 1), QTime(12, 0), QTimeZone::utc()));
  const QString zone_name = QString::fromUtf8(card.zone_id);

  // Title: what the card is for, where and when.
  sheet.Text(RectMm{kMarginMm, kMarginMm, width, 9},
             ja ? QStringLiteral("日時計の補正表　%1年").arg(card.year)
                : QStringLiteral("Sundial correction card, %1").arg(card.year),
             16, Qt::AlignLeft | Qt::AlignVCenter, true);
  sheet.Text(RectMm{kMarginMm, kMarginMm + 10, width, 6},
             ja ? QStringLiteral("%1　時間帯 %2（標準時 %3）")
                      .arg(LongitudeText(card.longitude_east_degrees, true), zone_name, OffsetText(standard_offset))
                : QStringLiteral("Longitude %1, zone %2 (standard time %3)")
                      .arg(LongitudeText(card.longitude_east_degrees, false), zone_name, OffsetText(standard_offset)),
             10.5, Qt::AlignLeft | Qt::AlignVCenter);
  sheet.Text(RectMm{kMarginMm, kMarginMm + 17, width, 6},
             ja ? QStringLiteral("日時計の読みに表の値（分:秒）を加えると、その日の正午の標準時になります。")
                : QStringLiteral("Add the value (minutes:seconds) to the dial's reading to get the zone's standard time."),
             9.5, Qt::AlignLeft | Qt::AlignVCenter);

  // The table: a header row of months, a column of days.
  static const char* const kMonthsEn[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const double left = kMarginMm;
  const double top = kTableTopMm;
  sheet.Text(RectMm{left, top, kDayColumnMm, kRowMm}, ja ? QStringLiteral("日") : QStringLiteral("Day"), 9,
             Qt::AlignCenter, true);
  for (int month = 0; month < 12; ++month) {
    const double x = left + kDayColumnMm + month * kMonthColumnMm;
    sheet.Text(RectMm{x, top, kMonthColumnMm, kRowMm},
               ja ? QStringLiteral("%1月").arg(month + 1) : QString::fromLatin1(kMonthsEn[month]), 9, Qt::AlignCenter,
               true);
    for (int day = 0; day < 31; ++day) {
      const sundial::CardDay& cell = card.days[month][day];
      const RectMm box{x, top + (day + 1) * kRowMm, kMonthColumnMm, kRowMm};
      if (!cell.has_noon) continue;
      if (cell.summer_extra_seconds != 0) sheet.Fill(box, QColor(210, 210, 210));
      sheet.Text(box, QString::fromStdString(sundial::CorrectionText(cell.standard_correction_seconds)), 8.5,
                 Qt::AlignCenter);
    }
  }
  for (int day = 0; day < 31; ++day) {
    sheet.Text(RectMm{left, top + (day + 1) * kRowMm, kDayColumnMm, kRowMm}, QString::number(day + 1), 8.5,
               Qt::AlignCenter);
  }
  // Rules: heavy around the table and under the header, light between rows of five.
  const double bottom = top + 32 * kRowMm;
  const double right = left + width;
  for (int row = 0; row <= 32; ++row) {
    if (row == 0 || row == 1 || row == 32 || (row - 1) % 5 == 0) {
      rule(left, top + row * kRowMm, right, top + row * kRowMm, row <= 1 || row == 32 ? 0.35 : 0.12);
    }
  }
  rule(left, top, left, bottom, 0.35);
  rule(right, top, right, bottom, 0.35);
  for (int month = 0; month < 12; ++month) {
    const double x = left + kDayColumnMm + month * kMonthColumnMm;
    rule(x, top, x, bottom, month == 0 ? 0.35 : 0.12);
  }

  // Notes: summer time, then the method.
  double y = bottom + 3;
  if (const int extra = UsualSummerExtra(card); extra != 0) {
    const int minutes = std::abs(extra) / 60;
    const QString sign = extra < 0 ? QStringLiteral("\u2212") : QString();
    const QString amount =
        minutes % 60 == 0
            ? sign + (ja ? QStringLiteral("%1時間").arg(minutes / 60)
                         : QStringLiteral("%1 hour%2").arg(minutes / 60).arg(minutes == 60 ? "" : "s"))
            : sign + (ja ? QStringLiteral("%1分").arg(minutes) : QStringLiteral("%1 minutes").arg(minutes));
    sheet.Fill(RectMm{left, y + 1, 5, 3.5}, QColor(210, 210, 210));
    sheet.Text(RectMm{left + 7, y, width - 7, 5.5},
               ja ? QStringLiteral("網掛けの日は夏時間です。時計の時刻には、さらに %1を加えます。").arg(amount)
                  : QStringLiteral("Shaded days are in summer time: add %1 more to get the clock's time.").arg(amount),
               9, Qt::AlignLeft | Qt::AlignVCenter);
    y += 6;
  }
  sheet.Text(RectMm{left, y, width, 12},
             ja ? QStringLiteral("方法：太陽が経度 %1 の子午線を通る世界時 = 12時 − 経度/15 時 − 均時差/60 時"
                                 "（均時差は分、その時刻で評価、0.01秒まで反復）。値はその時刻の標準時の時計 − "
                                 "12:00 を秒に丸めたもの。")
                      .arg(LongitudeText(card.longitude_east_degrees, true))
                : QStringLiteral("Method: the Sun crosses the meridian at UT = 12 h − longitude/15 h − E/60 h, E being "
                                 "the equation of time in minutes at that instant (iterated to 0.01 s); each value is "
                                 "the standard-time clock then, minus 12:00, rounded to the second."),
             7.5, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
  sheet.Text(RectMm{left, kPageHeightMm - kMarginMm + 4, width, 5},
             QStringLiteral("Orvalin %1.%2.%3")
                 .arg(platform::kVersionMajor)
                 .arg(platform::kVersionMinor)
                 .arg(platform::kVersionRevision),
             7, Qt::AlignRight | Qt::AlignVCenter);
}

QByteArray EncodeCorrectionCard(const sundial::CorrectionCard& card, SheetFormat format, SheetLanguage language) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QString title = language == SheetLanguage::kJapanese ? QStringLiteral("日時計の補正表")
                                                             : QStringLiteral("Sundial correction card");
  if (format == SheetFormat::kSvg) {
    QSvgGenerator svg;
    SetUpSvg(svg, &buffer, kPageWidthMm, kPageHeightMm, title);
    QPainter painter(&svg);
    DrawCorrectionCard(painter, card, language, kSvgDotsPerMm);
    painter.end();
    return bytes;
  }
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Orvalin"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&pdf);
  DrawCorrectionCard(painter, card, language, pdf.resolution() / 25.4);
  painter.end();
  return bytes;
}

}  // namespace paper
