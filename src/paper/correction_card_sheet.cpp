// SPDX-License-Identifier: MIT
#include "paper/correction_card_sheet.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
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

// The size, at most `points`, at which `text` fits `width_mm` on one line.
double FittingPoints(const QString& text, double width_mm, double points) {
  constexpr double kDots = 100;
  const double width = QFontMetricsF(SheetFont(PointsToMm(points) * kDots, false)).horizontalAdvance(text) / kDots;
  return width <= width_mm ? points : points * width_mm / width * 0.98;
}

// The years of the card: "2026", or "2026–2029" for a mean.
QString YearsText(const sundial::CorrectionCard& card) {
  if (card.kind.mean_years <= 1) return QString::number(card.year);
  return QStringLiteral("%1\u2013%2").arg(card.year).arg(card.year + card.kind.mean_years - 1);
}

// Which dial the card is for, and over which years.
QString KindText(const sundial::CorrectionCard& card, bool ja) {
  const bool mean = card.kind.mean_years > 1;
  QString text;
  if (ja) {
    text = card.kind.with_longitude ? QStringLiteral("経度の補正と均時差（視太陽時を示す日時計）")
                                    : QStringLiteral("均時差のみ（時刻線に経度の補正を含む日時計）");
    if (mean) {
      text += QStringLiteral("、%1年（%2年間）の平均：各年の表との差は最大 %3 秒")
                  .arg(YearsText(card))
                  .arg(card.kind.mean_years)
                  .arg(card.largest_year_difference_seconds);
    }
    return QStringLiteral("種類：") + text;
  }
  text = card.kind.with_longitude ? QStringLiteral("longitude and equation of time (a dial showing local apparent time)")
                                  : QStringLiteral("equation of time alone (a dial whose lines carry the longitude "
                                                   "correction)");
  if (mean) {
    text += QStringLiteral("; the mean of %1 (%2 years), at most %3 s from the card of any one of them")
                .arg(YearsText(card))
                .arg(card.kind.mean_years)
                .arg(card.largest_year_difference_seconds);
  }
  return QStringLiteral("Kind: ") + text;
}

// How far the values lie from an ephemeris. The equation of time is within 4.8 s
// of PyEphem's every day of 1700–2200 (tools/accuracy.py), the card rounds to
// the second: 5.3 s at most; the printed cells were measured within 5.0 s, 1.3 s
// RMS (tools/card_accuracy.py).
QString AccuracyText(const sundial::CorrectionCard& card, bool ja) {
  const bool measured = card.year >= 1700 && card.year + card.kind.mean_years - 1 <= 2200;
  if (ja) {
    return measured ? QStringLiteral("精度：1700〜2200年の値と天体暦（PyEphem）との差は最大 5.3 秒、二乗平均 1.3 秒。")
                    : QStringLiteral("精度：天体暦と比べた 1700〜2200 年（差は最大 5.3 秒）の外では、差はより大きくなります"
                                     "（0年で約 27 秒、4000年で約 36 秒）。");
  }
  return measured ? QStringLiteral("Accuracy: in 1700–2200 the values lie within 5.3 s of an ephemeris (PyEphem), "
                                   "1.3 s RMS.")
                  : QStringLiteral("Accuracy: within 5.3 s of an ephemeris in 1700–2200; outside those years the "
                                   "difference grows (about 27 s in year 0, 36 s in 4000).");
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
             ja ? QStringLiteral("日時計の補正表　%1年").arg(YearsText(card))
                : QStringLiteral("Sundial correction card, %1").arg(YearsText(card)),
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
  const QString kind = KindText(card, ja);
  sheet.Text(RectMm{kMarginMm, kMarginMm + 23.5, width, 4.5}, kind, FittingPoints(kind, width, 8),
             Qt::AlignLeft | Qt::AlignVCenter);

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
      if (cell.summer_years > 0) {
        sheet.Fill(box, cell.summer_years == card.kind.mean_years ? QColor(210, 210, 210) : QColor(235, 235, 235));
      }
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
    bool some_years = false;
    for (const auto& month : card.days) {
      for (const sundial::CardDay& day : month) some_years |= day.summer_years > 0 && day.summer_years < card.kind.mean_years;
    }
    sheet.Text(RectMm{left + 7, y, width - 7, 5.5},
               (ja ? QStringLiteral("網掛けの日は夏時間です。時計の時刻には、さらに %1を加えます。").arg(amount)
                   : QStringLiteral("Shaded days are in summer time: add %1 more to get the clock's time.").arg(amount)) +
                   (!some_years ? QString()
                    : ja        ? QStringLiteral("薄い網掛けは一部の年だけ。")
                                : QStringLiteral(" Lightly shaded: in some of the years only.")),
               9, Qt::AlignLeft | Qt::AlignVCenter);
    y += 6;
  }
  const QString longitude = LongitudeText(card.longitude_east_degrees, ja);
  QString method =
      ja ? QStringLiteral("方法：太陽が経度 %1 の子午線を通る世界時 = 12時 − 経度/15 時 − 均時差/60 時"
                          "（均時差は分、その時刻で評価、0.01秒まで反復）。")
               .arg(longitude)
         : QStringLiteral("Method: the Sun crosses the meridian at UT = 12 h − longitude/15 h − E/60 h, E being "
                          "the equation of time in minutes at that instant (iterated to 0.01 s); ");
  if (card.kind.with_longitude) {
    method += ja ? QStringLiteral("値はその時刻の標準時の時計 − 12:00")
                 : QStringLiteral("each value is the standard-time clock then, minus 12:00");
  } else {
    method += ja ? QStringLiteral("値はその時刻の −均時差") : QStringLiteral("each value is −E then");
  }
  if (card.kind.mean_years > 1) {
    method += ja ? QStringLiteral("の %1 年間の平均").arg(card.kind.mean_years)
                 : QStringLiteral(", averaged over the %1 years").arg(card.kind.mean_years);
  }
  method += ja ? QStringLiteral("を秒に丸めたもの。") : QStringLiteral(", rounded to the second. ");
  method += AccuracyText(card, ja);
  sheet.Text(RectMm{left, y, width, 12}, method, 7.5, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
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
