// SPDX-License-Identifier: MIT
#include "paper/noon_mark_sheet.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "paper/page_painter.h"
#include "paper/sheet_text.h"
#include "paper/tiled_sheet.h"
#include "sundial/wall_facing.h"

namespace paper {
namespace {

constexpr double kMarginMm = kPageMarginMm;
constexpr double kLabelPoints = 6.5;
constexpr double kSeasonPoints = 7;
constexpr double kLabelMarginMm = 6;   // room for labels kept around the figure's lines

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

// Whether the mark is drawn on a plate of --facing rather than the floor or a wall
// of --surface; a plate lying flat is seen as the floor is, north up.
bool OnPlate(const sundial::NoonMark& mark) { return mark.input.orientation.has_value(); }
bool FlatPlate(const sundial::NoonMark& mark) { return OnPlate(mark) && mark.input.orientation->tilt_degrees == 0; }
bool FloorLike(const sundial::NoonMark& mark) {
  return OnPlate(mark) ? FlatPlate(mark) : mark.input.surface == sundial::Surface::kFloor;
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
  const QString latitude = DecimalText(std::fabs(in.place.latitude_degrees), 4);
  const QString longitude = DecimalText(std::fabs(in.place.longitude_east_degrees), 4);
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
                  .arg(DecimalText(in.orientation->facing_degrees, 1), DecimalText(in.orientation->tilt_degrees, 1), height)
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
                                           DecimalText(in.orientation->tilt_degrees, 1), height)
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
  DrawFootOfNodus(page, at, drawing.foot);
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
  const QString right = plate && !floor ? CompassPointText(mark.input.orientation->facing_degrees - 90, ja)
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

// The sheet's parts for the tiled sheet.
SheetParts Parts(const sundial::NoonMark& mark, const NoonMarkPages& pages, const NoonMarkSheetOptions& options) {
  SheetParts parts;
  parts.title = Japanese(options) ? QStringLiteral("アナレンマ") : QStringLiteral("Noon mark");
  parts.language = options.language;
  parts.paper = options.paper;
  parts.mirrored = pages.drawing.mirrored;
  parts.header = [&mark, &options](PagePainter& page, PageMm size) { DrawHeader(page, size, mark, options); };
  parts.figure = [&pages](PagePainter& page, PointMm offset, double k) { DrawFigure(page, pages.drawing, offset, k); };
  parts.head_notes = NoteLines(mark, options);
  return parts;
}

}  // namespace

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
  const RectMm area = FigureArea(paper, HeadNotesHeightMm(NoteLines(mark, options), paper));
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

  // What is drawn: its lines, its marks and its labels.
  FigureContent content;
  auto add_polyline = [&](const std::vector<PointMm>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) content.segments.push_back({points[i], points[i + 1]});
  };
  for (const auto& piece : drawing.curve) add_polyline(piece);
  add_polyline(drawing.meridian);
  for (const auto& tick : drawing.ticks) content.segments.push_back(tick);
  content.marks.push_back({drawing.foot.x - 4, drawing.foot.y - 4, 8, 8});
  for (const PointMm p : drawing.season_points) content.marks.push_back({p.x - 0.8, p.y - 0.8, 1.6, 1.6});
  for (const PlacedLabel& label : drawing.labels) {
    content.labels.push_back({label.box, label.leader ? std::optional(std::pair{label.anchor, LeaderEnd(label)})
                                                      : std::nullopt});
  }
  ChoosePrintedTiles(grid, content);
  pages.page_count = 1 + grid.UsedCount();
  return pages;
}

QByteArray EncodeNoonMark(const sundial::NoonMark& mark, const NoonMarkPages& pages,
                          const NoonMarkSheetOptions& options, SheetFormat format) {
  return EncodeTiledSheet(pages.drawing.bounds, {pages.one_page, pages.grid, pages.page_count},
                          Parts(mark, pages, options), format);
}

}  // namespace paper
