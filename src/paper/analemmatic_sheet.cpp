// SPDX-License-Identifier: MIT
#include "paper/analemmatic_sheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "paper/page_painter.h"
#include "paper/tiled_sheet.h"
#include "paper/sheet_text.h"
#include "platform/core/version.h"
#include "sundial/year_days.h"

namespace paper {
namespace {

constexpr double kMarginMm = 10;
constexpr double kHeaderMm = 21;
constexpr double kScaleStripMm = 10;  // under the plan: the scale and its bar
constexpr double kTextPoints = 7.5;
constexpr double kTablePoints = 7;
constexpr double kTableRowMm = 4.2;
constexpr double kParagraphGapMm = 1.5;
constexpr double kFooterMm = 5;
const QColor kSummerColour(200, 30, 30);

bool Japanese(const AnalemmaticSheetOptions& options) { return options.language == SheetLanguage::kJapanese; }

const char* const kMonthsEn[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

AnalemmaticWords Words(const AnalemmaticSheetOptions& options) {
  AnalemmaticWords words;
  if (Japanese(options)) {
    words.month = [](int month) { return std::to_string(month) + "月"; };
    words.date = [](int month, int day) { return std::to_string(month) + "/" + std::to_string(day); };
    words.season_names = {"春分", "夏至", "秋分", "冬至"};
    words.focus = "焦点";
  } else {
    words.month = [](int month) { return std::string(kMonthsEn[month - 1]); };
    words.date = [](int month, int day) { return std::to_string(day) + " " + kMonthsEn[month - 1]; };
    words.season_names = {"equinox", "solstice", "equinox", "solstice"};
    words.focus = "focus";
  }
  return words;
}

// "+14:16", "−3:05".
QString CorrectionText(int seconds) {
  const int magnitude = std::abs(seconds);
  return QStringLiteral("%1%2:%3")
      .arg(seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
      .arg(magnitude / 60)
      .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QStringList HeaderLines(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                        const AnalemmaticSheetOptions& options, long scale) {
  const bool ja = Japanese(options);
  const QString latitude = DecimalText(std::fabs(input.place.latitude_degrees), 4);
  const QString longitude = DecimalText(std::fabs(input.place.longitude_east_degrees), 4);
  const bool south = input.place.latitude_degrees < 0;
  const bool west = input.place.longitude_east_degrees < 0;
  const QString zone = QString::fromStdString(options.zone_name);
  const QString standard = OffsetText(input.standard_offset_seconds);
  const QString summer = OffsetText(input.standard_offset_seconds + options.summer_seconds);
  const QString major = DecimalText(input.semi_major_m, 3);
  const QString minor = DecimalText(dial.semi_minor_m, 3);
  const QString focus = DecimalText(input.semi_major_m * std::cos(input.place.latitude_degrees * std::numbers::pi / 180), 3);
  QStringList lines;
  if (ja) {
    lines << QStringLiteral("アナレンマ日時計（人が影をつくる日時計）　%1年").arg(input.year);
    lines << QStringLiteral("%1 %2°　%3 %4°　時間帯 %5（標準時 %6%7）")
                 .arg(south ? QStringLiteral("南緯") : QStringLiteral("北緯"), latitude,
                      west ? QStringLiteral("西経") : QStringLiteral("東経"), longitude, zone, standard,
                      options.summer_numerals ? QStringLiteral("、赤の数字は夏時間 %1").arg(summer) : QString());
    lines << QStringLiteral("楕円の長半径 %1 m（東西）、短半径 %2 m（南北）、焦点は中心の東西 %3 m　縮尺 1:%4")
                 .arg(major, minor, focus)
                 .arg(scale);
  } else {
    lines << QStringLiteral("Analemmatic sundial (a person is the gnomon), %1").arg(input.year);
    lines << QStringLiteral("Latitude %1° %2, longitude %3° %4, zone %5 (standard time %6%7)")
                 .arg(latitude, south ? QStringLiteral("S") : QStringLiteral("N"), longitude,
                      west ? QStringLiteral("W") : QStringLiteral("E"), zone, standard,
                      options.summer_numerals ? QStringLiteral("; red numerals: summer time %1").arg(summer)
                                              : QString());
    lines << QStringLiteral("Semi-major axis %1 m (east-west), semi-minor %2 m (north-south), foci %3 m east and "
                            "west of the centre; scale 1:%4")
                 .arg(major, minor, focus)
                 .arg(scale);
  }
  return lines;
}

// The paragraphs under the plan: how to stand and read, what the reading is, how
// to set the dial out.
QStringList Paragraphs(const sundial::AnalemmaticInput& input, const AnalemmaticSheetOptions& options) {
  const bool ja = Japanese(options);
  const QString two_m = DecimalText(2 * input.semi_major_m, 3);
  QStringList paragraphs;
  if (ja) {
    paragraphs << QStringLiteral("使い方：中央の日付目盛りで今日の日付の位置に立つと、あなたの影が楕円上の時刻を指します。"
                                 "1月〜6月の日付は目盛りの西側、7月〜12月は東側にあります。");
    QString reading = QStringLiteral(
        "読みは時間帯の標準時に均時差 E（視太陽時 − 平均太陽時）を足した時刻です（経度の差は時刻の点に含まれています）。"
        "時計の時刻 = 読み − E：下の表の値を読みに加えてください（その間の日は前後の値から見積もります）。");
    if (options.summer_numerals) {
      reading += QStringLiteral("夏時間の間は赤の数字を読んでください。");
    } else if (options.summer_seconds != 0) {
      reading += QStringLiteral("夏時間の間は、さらに %1を加えます。").arg(AmountText(options.summer_seconds, true));
    }
    paragraphs << reading;
  } else {
    paragraphs << QStringLiteral(
        "How to use it: stand on today's date on the date scale in the middle; your shadow points to the time on "
        "the ellipse. January to June are on the west side of the scale, July to December on the east side.");
    QString reading = QStringLiteral(
        "The dial reads the zone's standard time plus the equation of time E (apparent minus mean solar time); the "
        "difference of longitude is built into the hour points. The clock's time = reading − E: add the value in the "
        "table to the reading (between the dates, take a value between theirs).");
    if (options.summer_numerals) {
      reading += QStringLiteral(" In summer time, read the red numerals.");
    } else if (options.summer_seconds != 0) {
      reading += QStringLiteral(" In summer time, add %1 more.").arg(AmountText(options.summer_seconds, false));
    }
    paragraphs << reading;
  }
  paragraphs << QString();  // the table goes here
  paragraphs << (ja ? QStringLiteral("地面に描くには：中心から東西に焦点を打ち、長さ %1 m の紐の輪を両焦点にかけて張りながら"
                                     "一周すると楕円になります。時刻の点と日付の位置は、中心からの距離（m、東と北が正）を "
                                     "--format csv で出力して測ります。")
                          .arg(two_m)
                    : QStringLiteral("Setting it out: mark the two foci east and west of the centre, put a loop of "
                                     "string %1 m long round them and walk a stick round, keeping the loop taut: it "
                                     "draws the ellipse. The hour points and the dates are set out by the distances "
                                     "from the centre (metres, east and north positive) that --format csv gives.")
                          .arg(two_m));
  return paragraphs;
}

QFont TextFont(double points, bool bold, double dots_per_mm) { return SheetFont(PointsToMm(points) * dots_per_mm, bold); }

// The height a paragraph takes at `width_mm`, measured at 100 dots a millimetre.
double ParagraphHeight(const QString& text, double width_mm) {
  constexpr double kDots = 100;
  const QFontMetricsF metrics(TextFont(kTextPoints, false, kDots));
  return metrics
             .boundingRect(QRectF(0, 0, width_mm * kDots, 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
             .height() /
         kDots;
}

double TableHeight() { return 3 * kTableRowMm; }

// Everything under the plan, from its scale strip to the footer.
double BelowPlanHeight(const QStringList& paragraphs, double width) {
  double height = kScaleStripMm + kFooterMm;
  for (const QString& paragraph : paragraphs) {
    height += (paragraph.isEmpty() ? TableHeight() : ParagraphHeight(paragraph, width)) + kParagraphGapMm;
  }
  return height;
}

RectMm PlanArea(PageMm page, const QStringList& paragraphs) {
  const double top = kMarginMm + kHeaderMm;
  const double width = page.width - 2 * kMarginMm;
  const double bottom = page.height - kMarginMm - BelowPlanHeight(paragraphs, width);
  return {kMarginMm, top, width, bottom - top};
}

MeasureLabel Measure() {
  return [](const std::string& text, double points, bool bold) {
    constexpr double kDots = 100;
    const QFontMetricsF metrics(TextFont(points, bold, kDots));
    const QRectF box =
        metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
    return std::pair{box.width() / kDots + 0.4, box.height() / kDots};
  };
}

bool Fits(const RectMm& bounds, const RectMm& area) {
  return bounds.width <= area.width && bounds.height <= area.height;
}

// The north arrow at the top right of the plan area.
void DrawNorth(PagePainter& page, const RectMm& area, bool ja) {
  const PointMm base{area.Right() - 6, area.top + 14};
  page.Pen(0.3);
  page.Line(base, {base.x, base.y - 11});
  page.Line({base.x, base.y - 11}, {base.x - 1.5, base.y - 8.5});
  page.Line({base.x, base.y - 11}, {base.x + 1.5, base.y - 8.5});
  page.Text({base.x - 6, base.y - 16, 12, 4.5}, ja ? QStringLiteral("北") : QStringLiteral("N"), 9, Qt::AlignCenter,
            true);
}

// The scale and a bar of a round length, 1 m unless that is under 10 mm on paper.
void DrawScaleStrip(PagePainter& page, double top, long scale, bool ja) {
  const double mm_per_m = 1000.0 / static_cast<double>(scale);
  double metres = 1;
  while (metres * mm_per_m < 10) metres *= 10;
  const double length = metres * mm_per_m;
  const double y = top + 5;
  page.Text({kMarginMm, top + 1, 40, 6}, ja ? QStringLiteral("縮尺 1:%1").arg(scale) : QStringLiteral("Scale 1:%1").arg(scale),
            8, Qt::AlignLeft | Qt::AlignVCenter, true);
  const double left = kMarginMm + 40;
  page.Pen(0.3);
  page.Line({left, y}, {left + length, y});
  page.Line({left, y - 1.5}, {left, y});
  page.Line({left + length, y - 1.5}, {left + length, y});
  page.Text({left - 5, y + 0.5, 10, 3.5}, QStringLiteral("0"), 7, Qt::AlignCenter);
  page.Text({left + length - 10, y + 0.5, 20, 3.5}, QStringLiteral("%1 m").arg(metres), 7, Qt::AlignCenter);
}

void DrawPlan(PagePainter& page, const AnalemmaticDrawing& drawing, PointMm offset) {
  auto at = [&offset](PointMm p) { return PointMm{p.x + offset.x, p.y + offset.y}; };
  QPainterPath ellipse;
  for (std::size_t i = 0; i < drawing.ellipse.size(); ++i) {
    const QPointF p = page.At(at(drawing.ellipse[i]));
    if (i == 0) {
      ellipse.moveTo(p);
    } else {
      ellipse.lineTo(p);
    }
  }
  page.Pen(0.3);
  page.Path(ellipse);
  // The date scale: its line, and a tick for each date.
  page.Pen(0.45);
  page.Line(at(drawing.scale_south), at(drawing.scale_north));
  page.Pen(0.25);
  for (const auto& [a, b] : drawing.date_ticks) page.Line(at(a), at(b));
  // The centre and the foci.
  page.Pen(0.2, QColor(90, 90, 90));
  page.Line(at({-1.5, 0}), at({1.5, 0}));
  for (const PointMm f : drawing.foci) {
    page.Line(at({f.x - 1, f.y}), at({f.x + 1, f.y}));
    page.Line(at({f.x, f.y - 1}), at({f.x, f.y + 1}));
  }
  for (const PointMm p : drawing.hour_points) page.Dot(at(p), 1.4);
  for (const PointMm p : drawing.half_points) page.Dot(at(p), 0.9);
  for (const AnalemmaticLabel& label : drawing.labels) {
    if (label.leader) {
      page.Pen(0.12, QColor(110, 110, 110));
      page.Line(at(label.anchor), at(LeaderEnd(label)));
    }
    const RectMm box{label.box.left + offset.x, label.box.top + offset.y, label.box.width, label.box.height};
    page.Text(box, QString::fromStdString(label.text), label.points, Qt::AlignCenter, label.bold,
              label.summer ? kSummerColour : QColor(Qt::black));
  }
}

// What to add to the reading on the 1st and 15th of each month.
void DrawTable(PagePainter& page, double top, double width, const sundial::AnalemmaticInput& input, bool ja) {
  const std::vector<DialCorrection> corrections = AnalemmaticCorrections(input);
  const double first = 16;
  const double column = (width - first) / 12;
  const double left = kMarginMm;
  page.Text({left, top, first, kTableRowMm}, ja ? QStringLiteral("加える値") : QStringLiteral("add"), kTablePoints,
            Qt::AlignLeft | Qt::AlignVCenter, true);
  for (int month = 1; month <= 12; ++month) {
    page.Text({left + first + (month - 1) * column, top, column, kTableRowMm},
              ja ? QStringLiteral("%1月").arg(month) : QString::fromLatin1(kMonthsEn[month - 1]), kTablePoints,
              Qt::AlignCenter, true);
  }
  for (int row = 0; row < 2; ++row) {
    const int day = row == 0 ? 1 : 15;
    const double y = top + (row + 1) * kTableRowMm;
    page.Text({left, y, first, kTableRowMm}, ja ? QStringLiteral("%1日").arg(day) : QStringLiteral("day %1").arg(day),
              kTablePoints, Qt::AlignLeft | Qt::AlignVCenter);
    for (const DialCorrection& c : corrections) {
      if (c.day != day) continue;
      page.Text({left + first + (c.month - 1) * column, y, column, kTableRowMm}, CorrectionText(c.seconds),
                kTablePoints, Qt::AlignCenter);
    }
  }
  page.Pen(0.15);
  for (int row = 0; row <= 3; ++row) {
    page.Line({left, top + row * kTableRowMm}, {left + width, top + row * kTableRowMm});
  }
}

void DrawPage(PagePainter& page, PageMm size, const sundial::AnalemmaticDial& dial,
              const sundial::AnalemmaticInput& input, const AnalemmaticPage& plan,
              const AnalemmaticSheetOptions& options) {
  const bool ja = Japanese(options);
  const double width = size.width - 2 * kMarginMm;
  const QStringList lines = HeaderLines(dial, input, options, plan.drawing.scale_denominator);
  page.Text({kMarginMm, kMarginMm, width, 6.5}, lines[0], 11, Qt::AlignLeft | Qt::AlignVCenter, true);
  page.Text({kMarginMm, kMarginMm + 7.5, width, 4.5}, lines[1], 7, Qt::AlignLeft | Qt::AlignVCenter);
  page.Text({kMarginMm, kMarginMm + 12, width, 4.5}, lines[2], 7, Qt::AlignLeft | Qt::AlignVCenter);

  const RectMm& area = plan.plan_area;
  const RectMm& bounds = plan.drawing.bounds;
  const PointMm offset{area.left + (area.width - bounds.width) / 2 - bounds.left,
                       area.top + (area.height - bounds.height) / 2 - bounds.top};
  DrawPlan(page, plan.drawing, offset);
  DrawNorth(page, area, ja);

  double y = area.Bottom();
  DrawScaleStrip(page, y, plan.drawing.scale_denominator, ja);
  y += kScaleStripMm;
  for (const QString& paragraph : Paragraphs(input, options)) {
    if (paragraph.isEmpty()) {
      DrawTable(page, y, width, input, ja);
      y += TableHeight() + kParagraphGapMm;
      continue;
    }
    const double height = ParagraphHeight(paragraph, width);
    page.Text({kMarginMm, y, width, height + 0.5}, paragraph, kTextPoints,
              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    y += height + kParagraphGapMm;
  }
  page.Text({kMarginMm, size.height - kMarginMm - kFooterMm + 1, width, 4},
            QStringLiteral("Orvalin %1.%2.%3")
                .arg(platform::kVersionMajor)
                .arg(platform::kVersionMinor)
                .arg(platform::kVersionRevision),
            6, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

AnalemmaticPage PlanAnalemmaticPage(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                    const AnalemmaticSheetOptions& options) {
  const PageMm size = PaperMm(options.paper);
  const RectMm area = PlanArea(size, Paragraphs(input, options));
  const AnalemmaticWords words = Words(options);
  const MeasureLabel measure = Measure();
  if (options.scale_denominator) {
    AnalemmaticDrawing drawing =
        LayOutAnalemmatic(dial, input, options.summer_numerals ? options.summer_seconds : 0, *options.scale_denominator, words, measure);
    const bool fits = Fits(drawing.bounds, area);
    return {std::move(drawing), area, fits};
  }
  AnalemmaticDrawing drawing;
  for (const long scale : RoundScaleDenominators()) {
    drawing = LayOutAnalemmatic(dial, input, options.summer_numerals ? options.summer_seconds : 0, scale, words, measure);
    if (Fits(drawing.bounds, area)) return {std::move(drawing), area, true};
  }
  return {std::move(drawing), area, false};
}

void DrawAnalemmaticPage(QPainter& painter, const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                         const AnalemmaticPage& page, const AnalemmaticSheetOptions& options, double dots_per_mm) {
  PagePainter sheet(painter, dots_per_mm);
  const PageMm size = PaperMm(options.paper);
  sheet.Fill(RectMm{0, 0, size.width, size.height}, Qt::white);
  DrawPage(sheet, size, dial, input, page, options);
}

QByteArray EncodeAnalemmaticPage(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                 const AnalemmaticPage& page, const AnalemmaticSheetOptions& options,
                                 SheetFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QString title = Japanese(options) ? QStringLiteral("アナレンマ日時計") : QStringLiteral("Analemmatic sundial");
  const PageMm size = PaperMm(options.paper);
  if (format == SheetFormat::kSvg) {
    QSvgGenerator svg;
    SetUpSvg(svg, &buffer, size.width, size.height, title);
    QPainter painter(&svg);
    DrawAnalemmaticPage(painter, dial, input, page, options, kSvgDotsPerMm);
    painter.end();
    return bytes;
  }
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Orvalin"));
  pdf.setPageLayout(QPageLayout(QtPageSize(options.paper), QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&pdf);
  DrawAnalemmaticPage(painter, dial, input, page, options, pdf.resolution() / 25.4);
  painter.end();
  return bytes;
}

}  // namespace paper
