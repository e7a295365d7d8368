// SPDX-License-Identifier: MIT
#include "paper/noon_mark_sheet.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "paper/page_painter.h"
#include "paper/sheet_text.h"
#include "sundial/wall_facing.h"
#include "platform/core/version.h"

namespace paper {
namespace {

constexpr double kMarginMm = 10;
constexpr double kHeaderMm = 16;
constexpr double kFooterMm = 13;
constexpr double kGapMm = 3;
constexpr double kLabelPoints = 6.5;
constexpr double kSeasonPoints = 7;
constexpr double kScaleBarMm = 100;
constexpr double kNotePoints = 7;
constexpr double kNoteGapMm = 0.8;     // between the notes' paragraphs
constexpr double kLabelMarginMm = 6;   // room for labels kept around the figure's lines

struct PageMm {
  double width;
  double height;
};

PageMm PaperMm(PaperSize paper) {
  switch (paper) {
    case PaperSize::kA3:
      return {297, 420};
    case PaperSize::kLetter:
      return {215.9, 279.4};
    case PaperSize::kA4:
      break;
  }
  return {210, 297};
}

QPageSize QtPageSize(PaperSize paper) {
  switch (paper) {
    case PaperSize::kA3:
      return QPageSize(QPageSize::A3);
    case PaperSize::kLetter:
      return QPageSize(QPageSize::Letter);
    case PaperSize::kA4:
      break;
  }
  return QPageSize(QPageSize::A4);
}

// Where the figure goes on a page of `page`'s size: below the header and `notes_mm`
// of notes, above the footer.
RectMm FigureArea(PageMm page, double notes_mm = 0) {
  const double top = kMarginMm + kHeaderMm + notes_mm + kGapMm;
  return {kMarginMm, top, page.width - 2 * kMarginMm, page.height - top - kGapMm - kFooterMm - kMarginMm};
}

bool Japanese(const NoonMarkSheetOptions& options) { return options.language == SheetLanguage::kJapanese; }

NoonMarkWords Words(const NoonMarkSheetOptions& options, bool floor) {
  NoonMarkWords words;
  if (Japanese(options)) {
    words.season_names = {"春分", "夏至", "秋分", "冬至"};
    words.foot = floor ? "ノーダスの足元（真下）" : "ノーダスの足元（正面）";
    words.meridian = "子午線（南中時の影）";
    words.date = [](int month, int day) { return std::to_string(month) + "/" + std::to_string(day); };
  } else {
    words.season_names = {"equinox", "solstice", "equinox", "solstice"};
    words.foot = floor ? "foot of the nodus (under it)" : "foot of the nodus (opposite it)";
    words.meridian = "meridian (shadow at apparent noon)";
    words.date = [](int month, int day) {
      static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
      return std::to_string(day) + " " + kMonths[month - 1];
    };
  }
  return words;
}

QString Number(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && text.toDouble() == 0) text.remove(0, 1);
  return text;
}


// Signed millimetres for a range of the surface: "−180", "+1015".
QString SignedMm(double mm) {
  const long rounded = std::lround(mm);
  return (rounded < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + QString::number(std::labs(rounded));
}

// Whether the mark is drawn on a plate of --facing rather than the floor or a wall
// of --surface; a plate lying flat is seen as the floor is, north up.
bool OnPlate(const sundial::NoonMark& mark) { return mark.input.orientation.has_value(); }
bool FlatPlate(const sundial::NoonMark& mark) { return OnPlate(mark) && mark.input.orientation->tilt_degrees == 0; }
bool FloorLike(const sundial::NoonMark& mark) {
  return OnPlate(mark) ? FlatPlate(mark) : mark.input.surface == sundial::Surface::kFloor;
}

// The compass point nearest an azimuth: "東", "南西"; "E", "SW".
QString CompassPoint(double azimuth_degrees, bool ja) {
  static const char* const kJa[] = {"北", "北東", "東", "南東", "南", "南西", "西", "北西"};
  static const char* const kEn[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
  const long index = std::lround(std::fmod(std::fmod(azimuth_degrees, 360.0) + 360.0, 360.0) / 45) % 8;
  return QString::fromUtf8(ja ? kJa[index] : kEn[index]);
}

// The days without a point, as a note: how many and their runs ("3/16–9/27",
// "16 Mar–27 Sep"), and why. Empty when every day has one.
QString MissingDaysNote(const sundial::NoonMark& mark, bool ja) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  auto date = [ja](const sundial::CalendarDay& d) {
    return ja ? QStringLiteral("%1/%2").arg(d.month).arg(d.day)
              : QStringLiteral("%1 %2").arg(d.day).arg(QString::fromLatin1(kMonths[d.month - 1]));
  };
  int count = 0;
  QString runs;
  for (const sundial::DateRun& run : sundial::DaysWithoutShadow(mark)) {
    count += run.days;
    if (!runs.isEmpty()) runs += ja ? QStringLiteral("、") : QStringLiteral(", ");
    runs += date(run.first);
    if (run.days > 1) runs += QStringLiteral("\u2013") + date(run.last);
  }
  if (count == 0) return QString();
  return ja ? QStringLiteral("影のない日：%1 日（%2）。この時刻に太陽が沈んでいるか、面の後ろにあるか、"
                             "低すぎて影が足元からノーダスの高さの 20 倍より遠くに落ちます。")
                  .arg(count)
                  .arg(runs)
            : QStringLiteral("No shadow on %1 day%2 (%3): at this time the Sun is down, behind the surface, or so "
                             "low that the shadow falls more than 20 heights of the nodus from the foot.")
                  .arg(count)
                  .arg(count == 1 ? "" : "s")
                  .arg(runs);
}

// The header's three lines: what the sheet is, where and when, and the surface.
QStringList HeaderLines(const sundial::NoonMark& mark, const NoonMarkSheetOptions& options) {
  const sundial::NoonMarkInput& in = mark.input;
  const bool ja = Japanese(options);
  const QString clock = ClockText(in.clock_minutes);
  const QString latitude = Number(std::fabs(in.place.latitude_degrees), 4);
  const QString longitude = Number(std::fabs(in.place.longitude_east_degrees), 4);
  const QString zone = QString::fromStdString(options.zone_name);
  const QString offset = OffsetText(in.standard_offset_seconds);
  const QString summer = OffsetText(in.standard_offset_seconds + options.summer_seconds);
  const QString clocks =
      options.summer_seconds == 0
          ? (ja ? QStringLiteral("標準時 %1、夏時間なし").arg(offset)
                : QStringLiteral("standard time %1, no summer time").arg(offset))
          : (ja ? QStringLiteral("標準時 %1、夏時間 %2") : QStringLiteral("standard time %1, summer time %2"))
                .arg(offset, summer);
  const QString height = MillimetresText(in.height_mm);
  const bool south = in.place.latitude_degrees < 0;
  const bool west = in.place.longitude_east_degrees < 0;
  const bool refracted = in.refraction == sundial::Refraction::kStandard;
  const bool every_day = sundial::DaysWithoutShadow(mark).empty();
  QStringList lines;
  if (ja) {
    lines << (every_day ? QStringLiteral("アナレンマ：毎日 %1（標準時）のノーダスの影　%2年").arg(clock).arg(in.year)
                        : QStringLiteral("アナレンマ：%1（標準時）のノーダスの影　%2年（影のない日あり）")
                              .arg(clock)
                              .arg(in.year));
    lines << QStringLiteral("%1 %2°　%3 %4°　時間帯 %5（%6）")
                 .arg(south ? QStringLiteral("南緯") : QStringLiteral("北緯"), latitude,
                      west ? QStringLiteral("西経") : QStringLiteral("東経"), longitude, zone, clocks);
    const QString surface =
        OnPlate(mark)
            ? QStringLiteral("方位 %1° を向き水平から %2° 傾いた面、ノーダスは面から %3 mm")
                  .arg(Number(in.orientation->facing_degrees, 1), Number(in.orientation->tilt_degrees, 1), height)
        : in.surface == sundial::Surface::kFloor
            ? QStringLiteral("水平な床、ノーダスは床から %1 mm").arg(height)
            : QStringLiteral("%1向きの鉛直な壁、ノーダスは壁から %2 mm")
                  .arg(in.surface == sundial::Surface::kWallFacingSouth ? QStringLiteral("南") : QStringLiteral("北"),
                       height);
    lines << surface + QStringLiteral("　%1　実寸（紙の 1 mm = %2の 1 mm）")
                           .arg(refracted ? QStringLiteral("大気差：標準（Sæmundsson、1010 hPa、10 °C）")
                                          : QStringLiteral("大気差なし"),
                                OnPlate(mark)                          ? QStringLiteral("面")
                                : in.surface == sundial::Surface::kFloor ? QStringLiteral("床")
                                                                         : QStringLiteral("壁"));
  } else {
    lines << (every_day ? QStringLiteral("Noon mark: the shadow of the nodus at %1 standard time every day, %2")
                              .arg(clock)
                              .arg(in.year)
                        : QStringLiteral("Noon mark: the shadow of the nodus at %1 standard time, %2 (not every day)")
                              .arg(clock)
                              .arg(in.year));
    lines << QStringLiteral("Latitude %1° %2, longitude %3° %4, zone %5 (%6)")
                 .arg(latitude, south ? QStringLiteral("S") : QStringLiteral("N"), longitude,
                      west ? QStringLiteral("W") : QStringLiteral("E"), zone, clocks);
    const QString surface = OnPlate(mark)
                                ? QStringLiteral("Plate %1, tilted %2°, nodus %3 mm from it")
                                      .arg(QString::fromStdString(sundial::FacingText(in.orientation->facing_degrees))
                                               .replace(QStringLiteral(": "), QStringLiteral(" (")) +
                                               QStringLiteral(")"),
                                           Number(in.orientation->tilt_degrees, 1), height)
                            : in.surface == sundial::Surface::kFloor
                                ? QStringLiteral("Horizontal floor, nodus %1 mm above it").arg(height)
                                : QStringLiteral("Vertical wall facing %1, nodus %2 mm from it")
                                      .arg(in.surface == sundial::Surface::kWallFacingSouth ? QStringLiteral("south")
                                                                                            : QStringLiteral("north"),
                                           height);
    lines << surface +
                 QStringLiteral("; %1; true size (1 mm on paper = 1 mm on the %2)")
                     .arg(refracted ? QStringLiteral("standard refraction (Sæmundsson, 1010 hPa, 10 °C)")
                                    : QStringLiteral("no refraction"),
                          OnPlate(mark)                            ? QStringLiteral("plate")
                          : in.surface == sundial::Surface::kFloor ? QStringLiteral("floor")
                                                                   : QStringLiteral("wall"));
  }
  return lines;
}

// The notes under the header: what the nodus and the figure are, how to set the
// sheet out, and when to read it (in summer time too).
QStringList NoteLines(const sundial::NoonMark& mark, const NoonMarkSheetOptions& options) {
  const sundial::NoonMarkInput& in = mark.input;
  const bool ja = Japanese(options);
  const bool floor = FloorLike(mark);
  const bool sloping = OnPlate(mark) && !floor && in.orientation->tilt_degrees != 90;
  // "Every day" only where every day has a point.
  const QString daily = sundial::DaysWithoutShadow(mark).empty() ? QStringLiteral("毎日 ") : QString();
  const QString clock = ClockText(in.clock_minutes);
  const QString offset = OffsetText(in.standard_offset_seconds);
  const QString zone = QString::fromStdString(options.zone_name);
  QStringList lines;
  if (ja) {
    lines << QStringLiteral("ノーダス：影で時を示す点（板にあけた小穴、棒の先の玉など）。"
                            "アナレンマ：毎日同じ時刻のノーダスの影が一年かけて描く 8 の字。");
    lines << (floor     ? QStringLiteral("設置：ノーダスの足元をノーダスのちょうど真下に置き、子午線を真北と真南"
                                         "（方位磁針の北ではなく）に合わせます。床は水平に。")
              : sloping ? QStringLiteral("設置：ノーダスの足元をノーダスのちょうど正面（面の上でノーダスに最も近い点）に置き、"
                                         "右向きの矢印を水平に合わせます。")
              : OnPlate(mark)
                  ? QStringLiteral("設置：ノーダスの足元をノーダスのちょうど正面（壁の上でノーダスに最も近い点）に置き、"
                                   "上向きの矢印を鉛直（下げ振りの線）に合わせます。")
                  : QStringLiteral("設置：ノーダスの足元をノーダスのちょうど正面（壁の上でノーダスに最も近い点）に置き、"
                                   "子午線を鉛直（下げ振りの線）に合わせます。"));
    lines << (options.summer_seconds == 0
                  ? QStringLiteral("読み方：") + daily +
                        QStringLiteral("%1（標準時 %2）に、ノーダスの影がその日の位置に落ちます。%3 には夏時間が"
                                       "ないので、一年中時計の %1 に読みます。")
                            .arg(clock, offset, zone)
                  : QStringLiteral("読み方：") + daily +
                        QStringLiteral("%1（標準時 %2）に、ノーダスの影がその日の位置に落ちます。"
                                       "夏時間の間は、時計の %3 に読みます。")
                            .arg(clock, offset, ClockText(in.clock_minutes + options.summer_seconds / 60)));
  } else {
    lines << QStringLiteral("Nodus: the point whose shadow tells the time (a small hole in a plate, a ball on a rod). "
                            "Analemma: the figure of eight its shadow traces at one clock time through the year.");
    lines << (floor     ? QStringLiteral("Mounting: lay the foot of the nodus exactly under the nodus and the meridian "
                                         "line true north\u2013south (not by the compass); the floor level.")
              : sloping ? QStringLiteral("Mounting: put the foot of the nodus exactly opposite the nodus (the point of "
                                         "the plate nearest it) and the arrow to the right level.")
              : OnPlate(mark)
                  ? QStringLiteral("Mounting: put the foot of the nodus exactly opposite the nodus (the point of the "
                                   "wall nearest it) and the up arrow plumb.")
                  : QStringLiteral("Mounting: put the foot of the nodus exactly opposite the nodus (the point of the "
                                   "wall nearest it) and the meridian line plumb."));
    lines << (options.summer_seconds == 0
                  ? QStringLiteral("Reading: at %1 standard time (%2) the shadow of the nodus falls on the day's point. "
                                   "%3 has no summer time: read it at %1 by the clock all year.")
                        .arg(clock, offset, zone)
                  : QStringLiteral("Reading: at %1 standard time (%2) the shadow of the nodus falls on the day's point; "
                                   "during summer time, read it at %3 by the clock.")
                        .arg(clock, offset, ClockText(in.clock_minutes + options.summer_seconds / 60)));
  }
  if (const QString missing = MissingDaysNote(mark, ja); !missing.isEmpty()) lines << missing;
  return lines;
}

// How tall the notes stand on a page of `size`.
double NotesHeightMm(const QStringList& notes, PageMm size) {
  double height = kNoteGapMm;
  for (const QString& note : notes) {
    height += WrappedTextHeightMm(note, kNotePoints, size.width - 2 * kMarginMm) + kNoteGapMm;
  }
  return height;
}

// The notes under the header; returns their height.
double DrawNotes(PagePainter& page, PageMm size, const QStringList& notes) {
  double y = kMarginMm + kHeaderMm + kNoteGapMm;
  const double width = size.width - 2 * kMarginMm;
  for (const QString& note : notes) {
    const double height = WrappedTextHeightMm(note, kNotePoints, width);
    page.Text({kMarginMm, y, width, height}, note, kNotePoints, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    y += height + kNoteGapMm;
  }
  return y - kMarginMm - kHeaderMm;
}

// The curve through the days as cubic pieces (Catmull–Rom), through every point.
QPainterPath SmoothPath(const std::vector<PointMm>& points, const PagePainter& page, PointMm offset, double k) {
  auto at = [&](std::size_t i) {
    const PointMm p = points[std::min(i, points.size() - 1)];
    return page.At(PointMm{offset.x + p.x * k, offset.y + p.y * k});
  };
  QPainterPath path(at(0));
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const QPointF p0 = at(i > 0 ? i - 1 : 0);
    const QPointF p1 = at(i);
    const QPointF p2 = at(i + 1);
    const QPointF p3 = at(i + 2);
    path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
  }
  return path;
}

// The figure with `offset` added to its millimetres, `k` times its size: at true
// size with every detail, reduced (the map) with the lines alone.
void DrawFigure(PagePainter& page, const NoonMarkDrawing& drawing, PointMm offset, double k = 1) {
  auto at = [&](PointMm p) { return PointMm{offset.x + p.x * k, offset.y + p.y * k}; };
  const bool detail = k == 1;
  page.Pen(detail ? 0.25 : 0.2, QColor(90, 90, 90));
  if (drawing.meridian.size() > 1) page.Line(at(drawing.meridian.front()), at(drawing.meridian.back()));
  page.Pen(detail ? 0.35 : 0.3);
  for (const auto& piece : drawing.curve) {
    if (piece.size() > 1) page.Path(SmoothPath(piece, page, offset, k));
  }
  if (!detail) {
    page.Dot(at(drawing.foot), 1.2);
    return;
  }
  page.Pen(0.25);
  page.Circle(at(drawing.foot), 2.5);
  page.Line(at({-4, 0}), at({4, 0}));
  page.Line(at({0, -4}), at({0, 4}));
  for (const auto& [a, b] : drawing.ticks) page.Line(at(a), at(b));
  for (const PointMm p : drawing.season_points) page.Dot(at(p), 1.6);
  for (const PlacedLabel& label : drawing.labels) {
    if (label.leader) {
      page.Pen(0.12, QColor(110, 110, 110));
      page.Line(at(label.anchor), at(LeaderEnd(label)));
    }
    const RectMm box{offset.x + label.box.left, offset.y + label.box.top, label.box.width, label.box.height};
    page.Text(box, QString::fromStdString(label.text), label.bold ? kSeasonPoints : kLabelPoints, Qt::AlignCenter,
              label.bold);
  }
}

// The size, at most `points`, at which `text` fits `width_mm` on one line.
double FittingPoints(const QString& text, double width_mm, double points, bool bold) {
  constexpr double kDots = 100;
  const double width = QFontMetricsF(SheetFont(PointsToMm(points) * kDots, bold)).horizontalAdvance(text) / kDots;
  return width <= width_mm ? points : points * width_mm / width * 0.98;
}

// Title and inputs on the left, north (or up) and east on the right.
void DrawHeader(PagePainter& page, PageMm size, const sundial::NoonMark& mark, const NoonMarkSheetOptions& options) {
  const QStringList lines = HeaderLines(mark, options);
  const double width = size.width - 2 * kMarginMm - 24;
  page.Text({kMarginMm, kMarginMm, width, 6}, lines[0], 10, Qt::AlignLeft | Qt::AlignVCenter, true);
  page.Text({kMarginMm, kMarginMm + 6.5, width, 4.5}, lines[1], 6.8, Qt::AlignLeft | Qt::AlignVCenter);
  // A plate's line, longer than a floor's or a wall's, is set smaller where it must be.
  page.Text({kMarginMm, kMarginMm + 11, width, 4.5}, lines[2],
            OnPlate(mark) ? FittingPoints(lines[2], width, 6.8, false) : 6.8, Qt::AlignLeft | Qt::AlignVCenter);

  const bool ja = Japanese(options);
  // Up the page: north on a floor, up on a wall or up the slope of a plate. To the
  // right: east, but west on a wall facing north and, on a plate, its x's compass
  // point (the facing less 90 degrees).
  const bool plate = OnPlate(mark);
  const bool floor = FloorLike(mark);
  const bool mirrored = !plate && mark.input.surface == sundial::Surface::kWallFacingNorth;
  const QString right = plate && !floor ? CompassPoint(mark.input.orientation->facing_degrees - 90, ja)
                                        : (ja ? QStringLiteral("東") : QStringLiteral("E"));
  const PointMm base{size.width - kMarginMm - 12, kMarginMm + 14};
  page.Pen(0.3);
  page.Line(base, {base.x, base.y - 11});
  page.Line({base.x, base.y - 11}, {base.x - 1.5, base.y - 8.5});
  page.Line({base.x, base.y - 11}, {base.x + 1.5, base.y - 8.5});
  const double east = mirrored ? -1 : 1;
  page.Line(base, {base.x + east * 8, base.y});
  page.Line({base.x + east * 8, base.y}, {base.x + east * 6, base.y - 1.2});
  page.Line({base.x + east * 8, base.y}, {base.x + east * 6, base.y + 1.2});
  const QString up =
      floor ? (ja ? QStringLiteral("北") : QStringLiteral("N")) : (ja ? QStringLiteral("上") : QStringLiteral("up"));
  page.Text({base.x - 12, base.y - 12, 10.5, 4}, up, 8, Qt::AlignRight | Qt::AlignVCenter, true);
  page.Text({mirrored ? base.x - 8 - 10.5 : base.x + 8.5, base.y - 4.5, 10, 4}, right, 8,
            (mirrored ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, true);
}

// The 100 mm scale bar, and the page's name and place.
void DrawFooter(PagePainter& page, PageMm size, const QString& name, const QString& place) {
  const double y = size.height - kMarginMm - kFooterMm + 4;
  page.Pen(0.3);
  page.Line({kMarginMm, y}, {kMarginMm + kScaleBarMm, y});
  for (int mm = 0; mm <= 100; mm += 10) {
    const double tall = mm % 50 == 0 ? 2.5 : 1.5;
    page.Pen(mm % 50 == 0 ? 0.3 : 0.2);
    page.Line({kMarginMm + mm, y - tall}, {kMarginMm + mm, y});
  }
  page.Text({kMarginMm - 5, y + 0.8, 10, 3.5}, QStringLiteral("0"), 7, Qt::AlignCenter);
  page.Text({kMarginMm + 45, y + 0.8, 10, 3.5}, QStringLiteral("50"), 7, Qt::AlignCenter);
  page.Text({kMarginMm + 95, y + 0.8, 10, 3.5}, QStringLiteral("100"), 7, Qt::AlignCenter);
  page.Text({kMarginMm + 105, y - 2, 12, 4}, QStringLiteral("mm"), 7, Qt::AlignLeft | Qt::AlignVCenter);
  const double right_left = kMarginMm + 112;
  const double right_width = size.width - kMarginMm - right_left;
  page.Text({right_left, y - 3.5, right_width, 4.5}, name, 8.5, Qt::AlignRight | Qt::AlignVCenter, true);
  page.Text({right_left, y + 1, right_width, 3.5}, place, 6, Qt::AlignRight | Qt::AlignVCenter);
  page.Text({right_left, y + 5, right_width, 3.5},
            QStringLiteral("Orvalin %1.%2.%3")
                .arg(platform::kVersionMajor)
                .arg(platform::kVersionMinor)
                .arg(platform::kVersionRevision),
            6, Qt::AlignRight | Qt::AlignVCenter);
}

// The whole figure on one page of `size`, centred in the figure area under the notes.
PointMm CentredIn(const RectMm& area, const RectMm& bounds) {
  return {area.left + (area.width - bounds.width) / 2 - bounds.left,
          area.top + (area.height - bounds.height) / 2 - bounds.top};
}

void DrawWholePage(PagePainter& page, PageMm size, const sundial::NoonMark& mark, const NoonMarkPages& pages,
                   const NoonMarkSheetOptions& options) {
  const QStringList notes = NoteLines(mark, options);
  DrawNotes(page, size, notes);
  // The one page as planned; a drawing of the figure's own size centred on it.
  const PointMm offset = pages.one_page ? pages.page_offset
                                        : CentredIn(FigureArea(size, NotesHeightMm(notes, size)), pages.drawing.bounds);
  DrawHeader(page, size, mark, options);
  DrawFigure(page, pages.drawing, offset);
  DrawFooter(page, size, QString(), QString());
}

QString TileName(int row, int column) { return QStringLiteral("%1-%2").arg(row + 1).arg(column + 1); }

// The range of the surface a tile shows, in the coordinates of the CSV.
QString TilePlace(const NoonMarkPages& pages, const RectMm& tile, bool ja) {
  const bool mirrored = pages.drawing.mirrored;
  const double x_low = mirrored ? -tile.Right() : tile.left;
  const double x_high = mirrored ? -tile.left : tile.Right();
  const QString range = QStringLiteral("x %1…%2 mm, y %3…%4 mm")
                            .arg(SignedMm(x_low), SignedMm(x_high), SignedMm(-tile.Bottom()), SignedMm(-tile.top));
  return ja ? QStringLiteral("範囲 %1（足元から）").arg(range) : QStringLiteral("%1 from the foot").arg(range);
}

// Page 1 of a cut figure: what to do, and the map of the pages over the figure.
void DrawMapPage(PagePainter& page, PageMm size, const sundial::NoonMark& mark, const NoonMarkPages& pages,
                 const NoonMarkSheetOptions& options) {
  const bool ja = Japanese(options);
  const TileGrid& grid = pages.grid;
  DrawHeader(page, size, mark, options);
  const QStringList notes = NoteLines(mark, options);
  const RectMm area = FigureArea(size, DrawNotes(page, size, notes));
  const QString how = MapPageText(grid, options.language);
  const double how_mm = WrappedTextHeightMm(how, 8, area.width);
  page.Text({area.left, area.top, area.width, how_mm}, how, 8, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

  // The map: the grid of pages over the figure, reduced to fit.
  const RectMm map_area{area.left, area.top + how_mm + 4, area.width, area.height - how_mm - 10};
  const double covered_width = grid.first.width + (grid.columns - 1) * grid.step_x;
  const double covered_height = grid.first.height + (grid.rows - 1) * grid.step_y;
  const double k = std::min(map_area.width / covered_width, map_area.height / covered_height);
  const PointMm origin{map_area.left + (map_area.width - covered_width * k) / 2 - grid.first.left * k,
                       map_area.top + (map_area.height - covered_height * k) / 2 - grid.first.top * k};
  auto on_map = [&](const RectMm& r) {
    return RectMm{origin.x + r.left * k, origin.y + r.top * k, r.width * k, r.height * k};
  };
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      const bool used = grid.used[static_cast<std::size_t>(row * grid.columns + column)];
      const RectMm cell = on_map(grid.Tile(row, column));
      page.Pen(used ? 0.25 : 0.12, used ? QColor(40, 90, 170) : QColor(170, 170, 170),
               used ? Qt::SolidLine : Qt::DashLine);
      page.Frame(cell);
      if (used) {
        const double points = std::clamp(cell.height * 0.3 / PointsToMm(1), 4.0, 12.0);
        page.Text({cell.left, cell.top + 0.5, cell.width - 1, PointsToMm(points) * 1.4}, TileName(row, column), points,
                  Qt::AlignRight | Qt::AlignTop, true, QColor(40, 90, 170));
      }
    }
  }
  DrawFigure(page, pages.drawing, origin, k);
  const long denominator = std::lround(1 / k);
  page.Text({map_area.left, map_area.Bottom() + 1, map_area.width, 4},
            ja ? QStringLiteral("配置図（縮尺 約 1:%1）。青の枠が印刷された用紙、番号は 行-列。").arg(denominator)
               : QStringLiteral("Map of the pages (about 1:%1). Blue frames are the printed pages, named row-column.")
                     .arg(denominator),
            7, Qt::AlignLeft | Qt::AlignVCenter);
  DrawFooter(page, size,
             ja ? QStringLiteral("配置図（1 / %1 ページ）").arg(pages.page_count)
                : QStringLiteral("Map (page 1 of %1)").arg(pages.page_count),
             QString());
}

// One tile at true size, with its overlaps, alignment marks and name.
void DrawTilePage(PagePainter& page, PageMm size, const sundial::NoonMark& mark, const NoonMarkPages& pages,
                  const NoonMarkSheetOptions& options, int row, int column, int page_number) {
  const bool ja = Japanese(options);
  const TileGrid& grid = pages.grid;
  const RectMm tile = grid.Tile(row, column);
  const RectMm area = FigureArea(size);
  const PointMm offset{area.left - tile.left, area.top - tile.top};
  auto used = [&](int r, int c) {
    return r >= 0 && c >= 0 && r < grid.rows && c < grid.columns &&
           grid.used[static_cast<std::size_t>(r * grid.columns + c)];
  };
  DrawHeader(page, size, mark, options);
  page.Clip(area);
  DrawFigure(page, pages.drawing, offset);
  page.NoClip();
  page.Pen(0.1, QColor(150, 150, 150));
  page.Frame(area);

  // Where a neighbour's page ends (dashed) and the marks both pages carry.
  const double o = kTileOverlapMm;
  auto cross = [&](PointMm c) {
    page.Pen(0.15);
    page.Line({c.x - kAlignMarkHalfMm, c.y}, {c.x + kAlignMarkHalfMm, c.y});
    page.Line({c.x, c.y - kAlignMarkHalfMm}, {c.x, c.y + kAlignMarkHalfMm});
    page.Circle(c, 1.2);
  };
  page.Pen(0.15, QColor(60, 60, 60), Qt::DashLine);
  const bool above = used(row - 1, column), below = used(row + 1, column);
  const bool left = used(row, column - 1), right = used(row, column + 1);
  if (above) page.Line({area.left, area.top + o}, {area.Right(), area.top + o});
  if (below) page.Line({area.left, area.Bottom() - o}, {area.Right(), area.Bottom() - o});
  if (left) page.Line({area.left + o, area.top}, {area.left + o, area.Bottom()});
  if (right) page.Line({area.Right() - o, area.top}, {area.Right() - o, area.Bottom()});
  for (const PointMm mark : AlignmentMarks(area, o, {above, below, left, right})) cross(mark);
  DrawFooter(page, size,
             ja ? QStringLiteral("%1（行 %2・列 %3）　%4 / %5 ページ")
                      .arg(TileName(row, column))
                      .arg(row + 1)
                      .arg(column + 1)
                      .arg(page_number)
                      .arg(pages.page_count)
                : QStringLiteral("%1 (row %2, column %3), page %4 of %5")
                      .arg(TileName(row, column))
                      .arg(row + 1)
                      .arg(column + 1)
                      .arg(page_number)
                      .arg(pages.page_count),
             TilePlace(pages, tile, ja));
}

}  // namespace

QString MapPageText(const TileGrid& grid, SheetLanguage language) {
  const int tiles = grid.UsedCount();
  const bool left_out = tiles < grid.rows * grid.columns;
  if (language == SheetLanguage::kJapanese) {
    return QStringLiteral("図は実寸で、%1 枚の用紙（%2 行 × %3 列%4）に分かれています。"
                          "下の配置図のとおりに並べてください。隣り合う用紙は %5 mm 重なります。"
                          "一方の用紙を印刷範囲の枠で切り、その縁がもう一方の破線に来るように重ねて、"
                          "両方にある + 印を合わせてください。"
                          "各用紙の下に、その行と列、ノーダスの足元からの範囲が書かれています。"
                          "印刷後、100 mm の目盛りで縮尺を確かめてください。")
        .arg(tiles)
        .arg(grid.rows)
        .arg(grid.columns)
        .arg(left_out ? QStringLiteral("、図の外側の用紙は省略") : QString())
        .arg(kTileOverlapMm);
  }
  auto count = [](int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
  };
  return QStringLiteral("The figure is at true size on %1 (%2 \u00d7 %3%4). Lay them out as the map below shows. "
                        "Neighbouring pages overlap by %5 mm: trim one page along the frame of its print, lay it over "
                        "the other so that its edge lies on the other's dashed line, and match the + marks both "
                        "carry. Each page names its row and column and the part of the surface it shows, from the "
                        "foot of the nodus. Check the printer's scale with the 100 mm bar.")
      .arg(count(tiles, "page", "pages"), count(grid.rows, "row", "rows"), count(grid.columns, "column", "columns"),
           left_out ? QStringLiteral("; pages outside the figure are left out") : QString())
      .arg(kTileOverlapMm);
}

NoonMarkPages PlanNoonMarkPages(const sundial::NoonMark& mark, const NoonMarkSheetOptions& options) {
  // Text sizes in millimetres, measured at 100 dots a millimetre.
  constexpr double kMeasureDots = 100;
  const MeasureText measure = [](const std::string& text, bool bold) {
    const QFontMetricsF metrics(SheetFont(PointsToMm(bold ? kSeasonPoints : kLabelPoints) * kMeasureDots, bold));
    const QRectF box =
        metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
    return std::pair{box.width() / kMeasureDots + 0.6, box.height() / kMeasureDots};
  };
  const NoonMarkWords words = Words(options, FloorLike(mark));
  const PageMm paper = PaperMm(options.paper);
  NoonMarkPages pages{LayOutNoonMarkLines(mark), true, {}, 1, {}, {}};
  NoonMarkDrawing& drawing = pages.drawing;

  // One page when the lines and some room for their labels fit under the notes:
  // the labels then stay on the page around the lines' middle.
  const RectMm area = FigureArea(paper, NotesHeightMm(NoteLines(mark, options), paper));
  const RectMm lines = drawing.bounds;
  const RectMm wanted = lines.Grown(kLabelMarginMm);
  pages.one_page = wanted.width <= area.width && wanted.height <= area.height;
  if (pages.one_page) {
    const RectMm page_room{lines.left + lines.width / 2 - area.width / 2, lines.top + lines.height / 2 - area.height / 2,
                           area.width, area.height};
    PlaceNoonMarkLabels(drawing, mark, words, measure, RoomOfPage(page_room));
    pages.figure_area = area;
    pages.page_offset = CentredIn(area, drawing.bounds);
    return pages;
  }

  // Else pages of the figure area without the notes, and each label whole on the
  // pages it touches, off the lines where they are cut.
  const RectMm tile_area = FigureArea(paper);
  pages.figure_area = tile_area;
  pages.grid = CoverWithTiles(wanted, tile_area.width, tile_area.height, kTileOverlapMm);
  TileGrid& grid = pages.grid;
  PlaceNoonMarkLabels(drawing, mark, words, measure, RoomOfTiles(grid));

  // What is drawn: its lines as segments, its marks and labels as boxes.
  std::vector<std::pair<PointMm, PointMm>> segments;
  auto add_polyline = [&](const std::vector<PointMm>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) segments.push_back({points[i], points[i + 1]});
    MarkPolyline(grid, points);
  };
  for (const auto& piece : drawing.curve) add_polyline(piece);
  add_polyline(drawing.meridian);
  for (const auto& [a, b] : drawing.ticks) add_polyline({a, b});
  std::vector<RectMm> boxes{{drawing.foot.x - 4, drawing.foot.y - 4, 8, 8}};
  for (const PointMm p : drawing.season_points) boxes.push_back({p.x - 0.8, p.y - 0.8, 1.6, 1.6});
  for (const RectMm& box : boxes) MarkBox(grid, box);
  for (const PlacedLabel& label : drawing.labels) {
    if (label.leader) add_polyline({label.anchor, LeaderEnd(label)});
    // Whole on a page already printed, or on one of its own.
    const std::vector<std::size_t> holding = TilesHolding(grid, label.box);
    if (!holding.empty() && std::none_of(holding.begin(), holding.end(), [&](std::size_t i) { return grid.used[i]; })) {
      grid.used[holding.front()] = true;
    }
    boxes.push_back(label.box);
  }
  DropRepeatedTiles(grid, segments, boxes);
  FillRowGaps(grid);
  pages.page_count = 1 + grid.UsedCount();
  return pages;
}

QByteArray EncodeNoonMark(const sundial::NoonMark& mark, const NoonMarkPages& pages,
                          const NoonMarkSheetOptions& options, SheetFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QString title = Japanese(options) ? QStringLiteral("アナレンマ") : QStringLiteral("Noon mark");
  const PageMm paper = PaperMm(options.paper);
  if (format == SheetFormat::kSvg) {
    // The paper's page, or a page as large as the figure with the header, notes
    // and footer, never narrower than the paper (their lines are set for it).
    PageMm size = paper;
    if (!pages.one_page) {
      const RectMm area = FigureArea(paper, NotesHeightMm(NoteLines(mark, options), paper));
      size = {std::max(std::ceil(pages.drawing.bounds.width + (paper.width - area.width)), paper.width),
              std::ceil(pages.drawing.bounds.height + (paper.height - area.height))};
    }
    QSvgGenerator svg;
    SetUpSvg(svg, &buffer, size.width, size.height, title);
    QPainter painter(&svg);
    PagePainter page(painter, kSvgDotsPerMm);
    painter.fillRect(page.At(RectMm{0, 0, size.width, size.height}), Qt::white);
    DrawWholePage(page, size, mark, pages, options);
    painter.end();
    return bytes;
  }
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Orvalin"));
  pdf.setPageLayout(QPageLayout(QtPageSize(options.paper), QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&pdf);
  PagePainter page(painter, pdf.resolution() / 25.4);
  if (pages.one_page) {
    DrawWholePage(page, paper, mark, pages, options);
  } else {
    DrawMapPage(page, paper, mark, pages, options);
    int number = 1;
    for (int row = 0; row < pages.grid.rows; ++row) {
      for (int column = 0; column < pages.grid.columns; ++column) {
        if (!pages.grid.used[static_cast<std::size_t>(row * pages.grid.columns + column)]) continue;
        pdf.newPage();
        DrawTilePage(page, paper, mark, pages, options, row, column, ++number);
      }
    }
  }
  painter.end();
  return bytes;
}

}  // namespace paper
