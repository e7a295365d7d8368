// SPDX-License-Identifier: MIT
#include "paper/noon_mark_sheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "paper/page_painter.h"
#include "paper/tiled_sheet.h"

namespace paper {
namespace {

constexpr double kMarginMm = kPageMarginMm;
constexpr double kLabelPoints = 6.5;
constexpr double kSeasonPoints = 7;

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

QString ClockText(int minutes) {
  return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
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
  const QString height = QString::number(in.height_mm, 'g', 10);
  const bool south = in.place.latitude_degrees < 0;
  const bool west = in.place.longitude_east_degrees < 0;
  const bool refracted = in.refraction == sundial::Refraction::kStandard;
  QStringList lines;
  if (ja) {
    lines << QStringLiteral("アナレンマ：毎日 %1（標準時）のノーダスの影　%2年").arg(clock).arg(in.year);
    lines << QStringLiteral("%1 %2°　%3 %4°　時間帯 %5（標準時 %6、夏時間は使わない）")
                 .arg(south ? QStringLiteral("南緯") : QStringLiteral("北緯"), latitude,
                      west ? QStringLiteral("西経") : QStringLiteral("東経"), longitude, zone, offset);
    const QString surface =
        in.surface == sundial::Surface::kFloor
            ? QStringLiteral("水平な床、ノーダスは床から %1 mm").arg(height)
            : QStringLiteral("%1向きの鉛直な壁、ノーダスは壁から %2 mm")
                  .arg(in.surface == sundial::Surface::kWallFacingSouth ? QStringLiteral("南") : QStringLiteral("北"),
                       height);
    lines << surface + QStringLiteral("　%1　実寸（紙の 1 mm = %2の 1 mm）")
                           .arg(refracted ? QStringLiteral("大気差：標準（Sæmundsson、1010 hPa、10 °C）")
                                          : QStringLiteral("大気差なし"),
                                in.surface == sundial::Surface::kFloor ? QStringLiteral("床") : QStringLiteral("壁"));
  } else {
    lines << QStringLiteral("Noon mark: the shadow of the nodus at %1 standard time every day, %2")
                 .arg(clock)
                 .arg(in.year);
    lines << QStringLiteral("Latitude %1° %2, longitude %3° %4, zone %5 (standard time %6, no summer time)")
                 .arg(latitude, south ? QStringLiteral("S") : QStringLiteral("N"), longitude,
                      west ? QStringLiteral("W") : QStringLiteral("E"), zone, offset);
    const QString surface = in.surface == sundial::Surface::kFloor
                                ? QStringLiteral("Horizontal floor, nodus %1 mm above it").arg(height)
                                : QStringLiteral("Vertical wall facing %1, nodus %2 mm from it")
                                      .arg(in.surface == sundial::Surface::kWallFacingSouth ? QStringLiteral("south")
                                                                                            : QStringLiteral("north"),
                                           height);
    lines << surface +
                 QStringLiteral("; %1; true size (1 mm on paper = 1 mm on the %2)")
                     .arg(refracted ? QStringLiteral("standard refraction (Sæmundsson, 1010 hPa, 10 °C)")
                                    : QStringLiteral("no refraction"),
                          in.surface == sundial::Surface::kFloor ? QStringLiteral("floor") : QStringLiteral("wall"));
  }
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

// Title and inputs on the left, north (or up) and east on the right.
void DrawHeader(PagePainter& page, PageMm size, const sundial::NoonMark& mark, const NoonMarkSheetOptions& options) {
  const QStringList lines = HeaderLines(mark, options);
  const double width = size.width - 2 * kMarginMm - 24;
  page.Text({kMarginMm, kMarginMm, width, 6}, lines[0], 10, Qt::AlignLeft | Qt::AlignVCenter, true);
  page.Text({kMarginMm, kMarginMm + 6.5, width, 4.5}, lines[1], 6.8, Qt::AlignLeft | Qt::AlignVCenter);
  page.Text({kMarginMm, kMarginMm + 11, width, 4.5}, lines[2], 6.8, Qt::AlignLeft | Qt::AlignVCenter);

  const bool ja = Japanese(options);
  const bool floor = mark.input.surface == sundial::Surface::kFloor;
  const bool mirrored = mark.input.surface == sundial::Surface::kWallFacingNorth;
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
  page.Text({mirrored ? base.x - 8 - 10.5 : base.x + 8.5, base.y - 4.5, 10, 4},
            ja ? QStringLiteral("東") : QStringLiteral("E"), 8,
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
  const bool floor = mark.input.surface == sundial::Surface::kFloor;
  NoonMarkPages pages{LayOutNoonMark(mark, Words(options, floor), measure), true, {}, 1};
  const NoonMarkDrawing& drawing = pages.drawing;
  const TiledPages tiled = CutIntoPages(
      drawing.bounds, options.paper,
      [&drawing](TileGrid& grid) {
        for (const auto& piece : drawing.curve) MarkPolyline(grid, piece);
        MarkPolyline(grid, drawing.meridian);
        MarkBox(grid, {drawing.foot.x - 4, drawing.foot.y - 4, 8, 8});
        for (const PlacedLabel& label : drawing.labels) MarkBox(grid, label.box);
      },
      false);
  pages.one_page = tiled.one_page;
  pages.grid = tiled.grid;
  pages.page_count = tiled.page_count;
  return pages;
}

QByteArray EncodeNoonMark(const sundial::NoonMark& mark, const NoonMarkPages& pages,
                          const NoonMarkSheetOptions& options, SheetFormat format) {
  return EncodeTiledSheet(pages.drawing.bounds, {pages.one_page, pages.grid, pages.page_count},
                          Parts(mark, pages, options), format);
}

}  // namespace paper
