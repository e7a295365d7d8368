// SPDX-License-Identifier: MIT
#include "paper/correction_card_sheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <set>

#include "paper/page_painter.h"
#include "paper/sheet_text.h"
#include "platform/core/version.h"

namespace paper {
namespace {

// A4 portrait, in millimetres.
constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kMarginMm = 15;
constexpr double kTableTopMm = 44;
constexpr double kDayColumnMm = 12;
constexpr double kRowMm = 6.7;
constexpr double kMonthColumnMm = (kPageWidthMm - 2 * kMarginMm - kDayColumnMm) / 12;
const QColor kSummerShade(210, 210, 210);
const QColor kSomeYearsShade(235, 235, 235);  // summer time in some of a mean card's years
const QColor kHatchColour(175, 175, 175);

QString LongitudeText(double degrees, bool japanese) {
  const QString number = QString::number(std::fabs(degrees), 'f', 4);
  if (japanese) return (degrees < 0 ? QStringLiteral("西経 ") : QStringLiteral("東経 ")) + number + QStringLiteral("°");
  return number + (degrees < 0 ? QStringLiteral("° W") : QStringLiteral("° E"));
}

// How a day's cell looks: plain on standard time, shaded in summer time (lightly
// when only some of a mean card's years keep it that day), hatched when the clock
// keeps some other offset (Casablanca's hour back for Ramadan).
enum class DayMark { kStandard, kSummer, kSummerSomeYears, kOther };

DayMark MarkOf(const sundial::CorrectionCard& card, const sundial::CardDay& day) {
  if (day.clock_extra_seconds == 0) return DayMark::kStandard;
  if (card.standard.summer_seconds > 0 && day.clock_extra_seconds == card.standard.summer_seconds) {
    return day.clock_extra_years < card.kind.mean_years ? DayMark::kSummerSomeYears : DayMark::kSummer;
  }
  return DayMark::kOther;
}

// Diagonal lines across `box`, 1.6 mm apart.
void Hatch(PagePainter& sheet, const RectMm& box) {
  sheet.Clip(box);
  sheet.Pen(0.15, kHatchColour);
  for (double x = box.left - box.height; x < box.Right(); x += 1.6) {
    sheet.Line({x, box.Bottom()}, {x + box.height, box.top});
  }
  sheet.NoClip();
}

// What the card says of its seconds: the clock time of noon against an
// ephemeris's transits (tools/noon_accuracy.py, PyEphem, every day of 1700–2200
// at four longitudes: 4.6 s at most before 2100, 5.2 s after, 1.3 s RMS).
QString AccuracyText(int first_year, int last_year, bool ja) {
  if (first_year >= 1700 && last_year <= 2200) {
    const int most = last_year < 2100 ? 5 : 6;
    return ja ? QStringLiteral("精度：天体暦の南中時刻との差は ±%1 秒以内（二乗平均 1.3 秒、1700〜2200 年の毎日で測定）。")
                    .arg(most)
              : QStringLiteral("Accuracy: within \u00b1%1 s of the transits of an ephemeris (1.3 s RMS; measured for "
                               "every day of 1700\u20132200).")
                    .arg(most);
  }
  return ja ? QStringLiteral("精度：天体暦の南中時刻との差は 1700〜2200 年で ±6 秒以内と測定。それより遠い年は差が"
                             "大きくなります（均時差で 500 年に 15 秒、3000 年に 14 秒）。")
            : QStringLiteral("Accuracy: within \u00b16 s of the transits of an ephemeris, measured for 1700\u20132200; "
                             "further from the present it grows (the equation of time is 15 s off in 500, 14 s in "
                             "3000).");
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

}  // namespace

RectMm CardCellMm(int month, int day) {
  return {kMarginMm + kDayColumnMm + (month - 1) * kMonthColumnMm, kTableTopMm + day * kRowMm, kMonthColumnMm, kRowMm};
}

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
  const int standard_offset = card.standard.offset_seconds;
  const int summer_seconds = card.standard.summer_seconds;
  const QString zone_name = QString::fromUtf8(card.zone_id);
  const QString clocks =
      summer_seconds == 0
          ? (ja ? QStringLiteral("標準時 %1、夏時間なし").arg(OffsetText(standard_offset))
                : QStringLiteral("standard time %1, no summer time").arg(OffsetText(standard_offset)))
          : (ja ? QStringLiteral("標準時 %1、夏時間 %2")
                : QStringLiteral("standard time %1, summer time %2"))
                .arg(OffsetText(standard_offset), OffsetText(standard_offset + summer_seconds));

  // Title: what the card is for, where and when.
  sheet.Text(RectMm{kMarginMm, kMarginMm, width, 9},
             ja ? QStringLiteral("日時計の補正表　%1年").arg(YearsText(card))
                : QStringLiteral("Sundial correction card, %1").arg(YearsText(card)),
             16, Qt::AlignLeft | Qt::AlignVCenter, true);
  sheet.Text(RectMm{kMarginMm, kMarginMm + 10, width, 6},
             ja ? QStringLiteral("%1　時間帯 %2（%3）").arg(LongitudeText(card.longitude_east_degrees, true), zone_name, clocks)
                : QStringLiteral("Longitude %1, zone %2 (%3)")
                      .arg(LongitudeText(card.longitude_east_degrees, false), zone_name, clocks),
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
    const double x = CardCellMm(month + 1, 1).left;
    sheet.Text(RectMm{x, top, kMonthColumnMm, kRowMm},
               ja ? QStringLiteral("%1月").arg(month + 1) : QString::fromLatin1(kMonthsEn[month]), 9, Qt::AlignCenter,
               true);
    for (int day = 0; day < 31; ++day) {
      const sundial::CardDay& cell = card.days[month][day];
      const RectMm box = CardCellMm(month + 1, day + 1);
      if (!cell.has_noon) continue;
      const DayMark mark = MarkOf(card, cell);
      if (mark == DayMark::kSummer) sheet.Fill(box, kSummerShade);
      if (mark == DayMark::kSummerSomeYears) sheet.Fill(box, kSomeYearsShade);
      if (mark == DayMark::kOther) Hatch(sheet, box);
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

  // Notes: the summer days, the days the clock keeps another offset, the accuracy
  // and the method.
  bool has_summer = false;
  bool some_years = false;
  std::set<int> other_extras;
  for (const auto& month : card.days) {
    for (const sundial::CardDay& day : month) {
      if (!day.has_noon) continue;
      const DayMark mark = MarkOf(card, day);
      has_summer = has_summer || mark == DayMark::kSummer || mark == DayMark::kSummerSomeYears;
      some_years = some_years || mark == DayMark::kSummerSomeYears;
      if (mark == DayMark::kOther) other_extras.insert(day.clock_extra_seconds);
    }
  }
  double y = bottom + 2.5;
  constexpr double kNoteMm = 5.5;
  if (has_summer) {
    const QString amount = AmountText(summer_seconds, ja);
    const QString summer = OffsetText(standard_offset + summer_seconds);
    sheet.Fill(RectMm{left, y + 1, 5, 3.5}, kSummerShade);
    sheet.Text(RectMm{left + 7, y, width - 7, kNoteMm},
               (ja ? QStringLiteral("網掛けの日は夏時間（%1）です。時計の時刻には、さらに %2を加えます。").arg(summer, amount)
                   : QStringLiteral("Shaded days are in summer time (%1): add %2 more to get the clock's time.")
                         .arg(summer, amount)) +
                   (!some_years ? QString()
                    : ja        ? QStringLiteral("薄い網掛けは一部の年だけ。")
                                : QStringLiteral(" Lightly: in some of the years only.")),
               9, Qt::AlignLeft | Qt::AlignVCenter);
    y += kNoteMm;
  }
  if (!other_extras.empty()) {
    Hatch(sheet, RectMm{left, y + 1, 5, 3.5});
    QString text;
    if (other_extras.size() == 1) {
      const int extra = *other_extras.begin();
      const QString offset = OffsetText(standard_offset + extra);
      const QString amount = AmountText(extra, ja);
      text = extra < 0 ? (ja ? QStringLiteral("斜線の日は時計が %1（標準時より %2遅れ）です。時計の時刻は、さらに %2を引きます。")
                             : QStringLiteral("On hatched days the clock keeps %1, %2 behind standard time: subtract %2 "
                                              "to get the clock's time."))
                             .arg(offset, amount)
                       : (ja ? QStringLiteral("斜線の日は時計が %1（標準時より %2進み）です。時計の時刻には、さらに %2を加えます。")
                             : QStringLiteral("On hatched days the clock keeps %1, %2 ahead of standard time: add %2 more "
                                              "to get the clock's time."))
                             .arg(offset, amount);
    } else {
      text = ja ? QStringLiteral("斜線の日は時計が標準時とも夏時間とも違う時刻です。時計の時刻は orvalin-cli noon で求められます。")
                : QStringLiteral("On hatched days the clock keeps neither standard nor summer time; orvalin-cli noon "
                                 "gives its times.");
    }
    sheet.Text(RectMm{left + 7, y, width - 7, kNoteMm}, text, 9, Qt::AlignLeft | Qt::AlignVCenter);
    y += kNoteMm;
  }
  sheet.Text(RectMm{left, y, width, 4.5}, AccuracyText(card.year, card.year + card.kind.mean_years - 1, ja), 8,
             Qt::AlignLeft | Qt::AlignVCenter);
  y += 5;
  QString method =
      ja ? QStringLiteral("方法：太陽が経度 %1 の子午線を通る世界時 = 12時 − 経度/15 時 − 均時差/60 時"
                          "（均時差は分、その時刻で評価、0.01秒まで反復）。")
               .arg(LongitudeText(card.longitude_east_degrees, true))
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
  method += ja ? QStringLiteral("を秒に丸めたもの。") : QStringLiteral(", rounded to the second.");
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
