// SPDX-License-Identifier: MIT
#include "paper/dial_sheet.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <numbers>

#include "paper/page_painter.h"
#include "paper/sheet_text.h"
#include "sundial/plate.h"

namespace paper {
namespace {

constexpr double kMarginMm = kPageMarginMm;
const QColor kSummerColour(200, 30, 30);
const QColor kDateColour(20, 110, 60);
const QColor kStepColour(120, 120, 120);

bool Japanese(const DialSheetOptions& options) { return options.language == SheetLanguage::kJapanese; }

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The compass point of a direction in the observer's frame.
QString CompassPoint(const sundial::LocalVector& v, bool ja) {
  return CompassPointText(std::atan2(v.east, v.north) * 180 / std::numbers::pi, ja);
}

QString TimeKind(sundial::DialTime time, bool ja) {
  switch (time) {
    case sundial::DialTime::kApparent:
      return ja ? QStringLiteral("地方視太陽時") : QStringLiteral("local apparent time");
    case sundial::DialTime::kStandard:
      return ja ? QStringLiteral("標準時（経度補正、均時差なし）")
                : QStringLiteral("standard time (longitude corrected, no equation of time)");
    case sundial::DialTime::kMean:
      return ja ? QStringLiteral("標準時の時計（8の字）") : QStringLiteral("the standard clock (figures of eight)");
  }
  return {};
}

// The kind of time in a few words, for the title.
QString ShortTimeKind(sundial::DialTime time, bool ja) {
  switch (time) {
    case sundial::DialTime::kApparent:
      return ja ? QStringLiteral("視太陽時") : QStringLiteral("apparent time");
    case sundial::DialTime::kStandard:
      return ja ? QStringLiteral("標準時") : QStringLiteral("standard time");
    case sundial::DialTime::kMean:
      return ja ? QStringLiteral("時計の時刻（8の字）") : QStringLiteral("clock time (figures of eight)");
  }
  return {};
}

QString PlateName(const sundial::Plate& plate, bool ja) {
  const QString tilt = DecimalText(plate.tilt_degrees, 1);
  const QString facing = DecimalText(plate.facing_degrees, 1);
  if (plate.tilt_degrees == 0) return ja ? QStringLiteral("水平な盤面") : QStringLiteral("horizontal plate");
  if (plate.tilt_degrees == 90) {
    return ja ? QStringLiteral("方位 %1° を向く鉛直な壁").arg(facing)
              : QStringLiteral("vertical wall facing azimuth %1°").arg(facing);
  }
  return ja ? QStringLiteral("傾き %1°、方位 %2° を向く盤面").arg(tilt, facing)
            : QStringLiteral("plate tilted %1°, facing azimuth %2°").arg(tilt, facing);
}

QString DateText(const sundial::DateRange& range, bool ja) {
  const SheetLanguage language = ja ? SheetLanguage::kJapanese : SheetLanguage::kEnglish;
  const QString first = Text(DialDateText(language, range.first_month, range.first_day));
  const QString last = Text(DialDateText(language, range.last_month, range.last_day));
  return first == last ? first : (ja ? QStringLiteral("%1〜%2") : QStringLiteral("%1 to %2")).arg(first, last);
}

// The days without lines: "1/1〜5/7、8/5〜12/31".
QString Ranges(const DialFigure& figure, bool ja) {
  QStringList ranges;
  for (const auto& range : figure.days_without_lines) ranges << DateText(range, ja);
  return ranges.join(ja ? QStringLiteral("、") : QStringLiteral(", "));
}

// The header's three lines: what the sheet is, where and when, and the plate.
QStringList HeaderLines(const DialFigure& figure, const DialSheetOptions& options) {
  const sundial::Dial& dial = figure.dial;
  const bool ja = Japanese(options);
  const QString latitude = DecimalText(std::fabs(dial.place.latitude_degrees), 4);
  const QString longitude = DecimalText(std::fabs(dial.place.longitude_east_degrees), 4);
  const bool south = dial.place.latitude_degrees < 0;
  const bool west = dial.place.longitude_east_degrees < 0;
  const bool clock = dial.time != sundial::DialTime::kApparent;
  const QString height = MillimetresText(dial.plate.height_mm);
  QStringList lines;
  if (ja) {
    lines << QStringLiteral("日時計：%1、%2　%3年").arg(PlateName(dial.plate, true), ShortTimeKind(dial.time, true)).arg(dial.year);
    QString place = QStringLiteral("%1 %2°").arg(south ? QStringLiteral("南緯") : QStringLiteral("北緯"), latitude);
    if (clock) {
      place += QStringLiteral("　%1 %2°　時間帯 %3（標準時 %4）")
                   .arg(west ? QStringLiteral("西経") : QStringLiteral("東経"), longitude, Text(options.zone_name),
                        OffsetText(dial.standard_offset_seconds));
    }
    if (!figure.days_without_lines.empty()) place += QStringLiteral("　線のない日：") + Ranges(figure, true);
    lines << place;
    lines << QStringLiteral("ノーダスは盤面から %1 mm　座標：足元から mm、x 右・y 盤面の傾斜に沿って上（正面から見て）　実寸")
                 .arg(height);
  } else {
    lines << QStringLiteral("Sundial: %1, %2, %3").arg(PlateName(dial.plate, false), ShortTimeKind(dial.time, false)).arg(dial.year);
    QString place = QStringLiteral("Latitude %1° %2").arg(latitude, south ? QStringLiteral("S") : QStringLiteral("N"));
    if (clock) {
      place += QStringLiteral(", longitude %1° %2, zone %3 (standard time %4)")
                   .arg(longitude, west ? QStringLiteral("W") : QStringLiteral("E"), Text(options.zone_name),
                        OffsetText(dial.standard_offset_seconds));
    }
    if (!figure.days_without_lines.empty()) place += QStringLiteral("; no lines ") + Ranges(figure, false);
    lines << place;
    lines << QStringLiteral("Nodus %1 mm from the plate; mm from the foot, x right, y up the plate's slope as seen "
                            "facing it; true size")
                 .arg(height);
  }
  return lines;
}

// Title and inputs on the left; which way y (up the slope, or north) and x point on the right.
void DrawHeader(PagePainter& page, PageMm size, const DialFigure& figure, const DialSheetOptions& options) {
  const QStringList lines = HeaderLines(figure, options);
  const double width = size.width - 2 * kMarginMm - 26;
  page.Text({kMarginMm, kMarginMm, width, 6}, lines[0], 10, Qt::AlignLeft | Qt::AlignVCenter, true);
  page.Text({kMarginMm, kMarginMm + 6.5, width, 4.5}, lines[1], 6.8, Qt::AlignLeft | Qt::AlignVCenter);
  page.Text({kMarginMm, kMarginMm + 11, width, 4.5}, lines[2], 6.8, Qt::AlignLeft | Qt::AlignVCenter);

  const bool ja = Japanese(options);
  const sundial::PlateAxes axes = sundial::AxesOf(figure.dial.plate);
  const bool level = figure.dial.plate.tilt_degrees == 0;
  const PointMm base{size.width - kMarginMm - 14, kMarginMm + 14};
  page.Pen(0.3);
  page.Line(base, {base.x, base.y - 11});
  page.Line({base.x, base.y - 11}, {base.x - 1.5, base.y - 8.5});
  page.Line({base.x, base.y - 11}, {base.x + 1.5, base.y - 8.5});
  page.Line(base, {base.x + 8, base.y});
  page.Line({base.x + 8, base.y}, {base.x + 6, base.y - 1.2});
  page.Line({base.x + 8, base.y}, {base.x + 6, base.y + 1.2});
  const QString up = level ? CompassPoint(axes.y, ja) : (ja ? QStringLiteral("上") : QStringLiteral("up"));
  page.Text({base.x - 12, base.y - 12, 10.5, 4}, QStringLiteral("y ") + up, 8, Qt::AlignRight | Qt::AlignVCenter, true);
  page.Text({base.x + 8.5, base.y - 4.5, 14, 4}, QStringLiteral("x ") + CompassPoint(axes.x, ja), 8,
            Qt::AlignLeft | Qt::AlignVCenter, true);
}

void DrawFigure(PagePainter& page, const DialDrawing& drawing, PointMm offset, double k) {
  auto at = [&](PointMm p) { return PointMm{offset.x + p.x * k, offset.y + p.y * k}; };
  const bool detail = k == 1;
  for (const DialPath& path : drawing.paths) {
    if (path.points.size() < 2) continue;
    switch (path.stroke) {
      case DialStroke::kWholeHour:
      case DialStroke::kKey:
        page.Pen(detail ? 0.35 : 0.25, Qt::black, path.dashed ? Qt::DashLine : Qt::SolidLine);
        break;
      case DialStroke::kStep:
        page.Pen(detail ? 0.18 : 0.12, kStepColour, path.dashed ? Qt::DashLine : Qt::SolidLine);
        break;
      case DialStroke::kDate:
        page.Pen(detail ? 0.25 : 0.18, kDateColour);
        break;
      case DialStroke::kSubstyle:
        page.Pen(detail ? 0.2 : 0.15, QColor(90, 90, 90), Qt::DashDotLine);
        break;
      case DialStroke::kOutline:
      case DialStroke::kGnomon:
        page.Pen(detail ? 0.3 : 0.2, QColor(40, 40, 40));
        break;
    }
    if (path.smooth) {
      page.Path(SmoothPath(path.points, page, offset, k));
    } else {
      QPainterPath line(page.At(at(path.points.front())));
      for (std::size_t i = 1; i < path.points.size(); ++i) line.lineTo(page.At(at(path.points[i])));
      page.Path(line);
    }
  }
  if (!detail) {
    page.Dot(at(drawing.foot), 1.2);
    return;
  }
  DrawFootOfNodus(page, at, drawing.foot);
  if (drawing.centre) page.Dot(at(*drawing.centre), 1.4);
  if (drawing.nodus) page.Dot(at(*drawing.nodus), 1.4);
  for (const DialLabel& label : drawing.labels) {
    const PlacedLabel& placed = label.placed;
    if (placed.leader) {
      page.Pen(0.12, QColor(110, 110, 110));
      page.Line(at(placed.anchor), at(LeaderEnd(placed)));
    }
    const RectMm box{offset.x + placed.box.left, offset.y + placed.box.top, placed.box.width, placed.box.height};
    const bool numeral = label.kind == DialLabelKind::kNumeral || label.kind == DialLabelKind::kSummerNumeral;
    const QColor colour = label.kind == DialLabelKind::kSummerNumeral ? kSummerColour
                          : label.kind == DialLabelKind::kDate        ? kDateColour
                                                                      : QColor(Qt::black);
    page.Text(box, Text(placed.text), numeral ? kDialNumeralPoints : kDialLabelPoints, Qt::AlignCenter, numeral,
              colour);
  }
}

}  // namespace

std::vector<QString> DialNotes(const DialFigure& figure, const DialSheetOptions& options) {
  const bool ja = Japanese(options);
  const sundial::Dial& dial = figure.dial;
  const sundial::PolarStyle& style = figure.style;
  const bool north = dial.place.latitude_degrees >= 0;
  const bool refracted = dial.refraction == sundial::Refraction::kStandard;
  const bool mean = dial.time == sundial::DialTime::kMean;
  std::vector<QString> notes;
  const QString steps = QString::number(figure.step_minutes);
  const QString height = MillimetresText(dial.plate.height_mm);
  notes.push_back(ja ? QStringLiteral("入力：緯度 %1°、経度 %2°、傾き %3°、向き（方位）%4°、ノーダスの高さ %5 mm、%6、"
                                      "時刻線の間隔 %7 分、%8年、%9。")
                           .arg(DecimalText(dial.place.latitude_degrees, 4), DecimalText(dial.place.longitude_east_degrees, 4),
                                DecimalText(dial.plate.tilt_degrees, 2), DecimalText(dial.plate.facing_degrees, 2), height,
                                TimeKind(dial.time, true), steps)
                           .arg(dial.year)
                           .arg(!mean ? QStringLiteral("直線は幾何学的（大気差なし）")
                                : refracted ? QStringLiteral("標準大気差（Sæmundsson、1010 hPa、10 °C）")
                                            : QStringLiteral("大気差なし"))
                     : QStringLiteral("Inputs: latitude %1°, longitude %2°, tilt %3°, facing azimuth %4°, nodus %5 mm "
                                      "from the plate, %6, lines every %7 minutes, %8, %9.")
                           .arg(DecimalText(dial.place.latitude_degrees, 4), DecimalText(dial.place.longitude_east_degrees, 4),
                                DecimalText(dial.plate.tilt_degrees, 2), DecimalText(dial.plate.facing_degrees, 2), height,
                                TimeKind(dial.time, false), steps)
                           .arg(dial.year)
                           .arg(!mean        ? QStringLiteral("straight lines, geometric (no refraction)")
                                : refracted ? QStringLiteral("standard refraction (Sæmundsson, 1010 hPa, 10 °C)")
                                            : QStringLiteral("no refraction")));
  QString centre;
  if (style.centre) {
    centre = ja ? QStringLiteral("中心（指時針が盤面と交わる点）x %1 mm、y %2 mm、指時針の長さ（中心からノーダスまで）%3 mm。")
                      .arg(DecimalText(style.centre->x_mm, 1), DecimalText(style.centre->y_mm, 1), DecimalText(*style.style_length_mm, 1))
                : QStringLiteral(" Centre (where the style meets the plate) x %1 mm, y %2 mm; style length from the "
                                 "centre to the nodus %3 mm.")
                      .arg(DecimalText(style.centre->x_mm, 1), DecimalText(style.centre->y_mm, 1), DecimalText(*style.style_length_mm, 1));
  } else {
    centre = ja ? QStringLiteral("指時針は盤面と平行（中心は無限遠）：時刻線は互いに平行です。")
                : QStringLiteral(" The style is parallel to the plate (the centre is at infinity): the hour lines are "
                                 "parallel.");
  }
  const QString substyle =
      style.substyle_distance_degrees
          ? (ja ? QStringLiteral("サブスタイル角（子午線から）%1°、y 軸から %2°。")
                      .arg(DecimalText(*style.substyle_distance_degrees, 2), DecimalText(*style.substyle_angle_degrees, 2))
                : QStringLiteral("Substyle distance (from the noon line) %1°, %2° from the y axis.")
                      .arg(DecimalText(*style.substyle_distance_degrees, 2), DecimalText(*style.substyle_angle_degrees, 2)))
          : (ja ? QStringLiteral("指時針は盤面に垂直：足元に立つ棒です。")
                : QStringLiteral("The style is square to the plate: a rod standing on the foot."));
  notes.push_back((ja ? QStringLiteral("指時針の高さ（盤面との角）%1°。ノーダスの高さ %2 mm。")
                      : QStringLiteral("Style height (its angle with the plate) %1°. Nodus height %2 mm. "))
                      .arg(DecimalText(style.style_height_degrees, 2), height) +
                  substyle + centre);
  QString key = ja ? QStringLiteral("凡例：太線と数字は正時、細い灰色の線は %1 分ごと。").arg(steps)
                   : QStringLiteral("Key: heavy lines and numerals are the whole hours, thin grey lines every %1 "
                                    "minutes.")
                         .arg(steps);
  if (dial.time == sundial::DialTime::kMean) {
    key += ja ? QStringLiteral("8の字の実線は冬至〜夏至（12月→6月）の半分、破線は夏至〜冬至（6月→12月）の半分。")
              : QStringLiteral(" On each figure of eight the solid half runs from the December solstice to the June "
                               "solstice, the dashed half from June to December.");
  }
  if (!figure.date_lines.empty()) {
    key += ja ? QStringLiteral("緑の線は日付線（その日のノーダスの影の道筋）。")
              : QStringLiteral(" Green lines are date lines (the path of the nodus's shadow on that day).");
  }
  if (options.summer_seconds != 0) {
    const QString amount = AmountText(options.summer_seconds, ja);
    key += ja ? QStringLiteral("赤い数字は夏時間（+%1）。").arg(amount)
              : QStringLiteral(" Red numerals are summer time (+%1).").arg(amount);
  }
  notes.push_back(key);
  if (!figure.days_without_lines.empty()) {
    notes.push_back(ja ? QStringLiteral("線のない日：%1（太陽がこの盤面を照らさない）。").arg(Ranges(figure, true))
                       : QStringLiteral("Days without lines: %1 (the Sun does not reach this plate then).")
                             .arg(Ranges(figure, false)));
  }
  const sundial::Plate& plate = dial.plate;
  QString mount;
  if (plate.tilt_degrees == 0) {
    mount = ja ? QStringLiteral("取り付け：盤面を水平に（水準器で二方向）置き、y 軸の矢印を真北（磁北ではない）に向けます。")
               : QStringLiteral("Mounting: lay the plate level (a spirit level, two ways), the y arrow towards true "
                                "north (not magnetic north).");
  } else if (plate.tilt_degrees == 90) {
    mount = ja ? QStringLiteral("取り付け：盤面を鉛直に（下げ振りで）、面が方位 %1° を向く壁に、y 軸を真上にして固定します。")
                     .arg(DecimalText(plate.facing_degrees, 1))
               : QStringLiteral("Mounting: fix the plate plumb (a plumb line) on the wall facing azimuth %1°, y "
                                "straight up.")
                     .arg(DecimalText(plate.facing_degrees, 1));
  } else {
    mount = ja ? QStringLiteral("取り付け：盤面を水平から %1° 傾け、面を方位 %2° に向け、y 軸を傾斜に沿って上にします。")
                     .arg(DecimalText(plate.tilt_degrees, 1), DecimalText(plate.facing_degrees, 1))
               : QStringLiteral("Mounting: tilt the plate %1° from the level, its face towards azimuth %2°, y up "
                                "the slope.")
                     .arg(DecimalText(plate.tilt_degrees, 1), DecimalText(plate.facing_degrees, 1));
  }
  if (style.substyle_direction) {
    mount += ja ? QStringLiteral("指時針板を型紙どおりに切り、サブスタイルの線上に盤面と垂直に立て、直角の角を足元（+ 印）に、"
                                 "ノーダスの角を足元の真上 %1 mm に合わせます。斜めの辺（指時針）は天の%2極を指し、地軸と平行になります。")
                      .arg(height, north ? QStringLiteral("北") : QStringLiteral("南"))
                : QStringLiteral(" Cut the gnomon from its template and stand it square to the plate on the substyle, "
                                 "its right angle on the foot (the + mark), its nodus corner %1 mm above the foot. Its "
                                 "slanted edge, the style, then points at the %2 celestial pole, parallel to the "
                                 "Earth's axis.")
                      .arg(height, north ? QStringLiteral("north") : QStringLiteral("south"));
  } else {
    mount += ja ? QStringLiteral("足元（+ 印）に盤面と垂直な棒を立て、その先端（ノーダス）を盤面から %1 mm にします。").arg(height)
                : QStringLiteral(" Stand a rod square to the plate on the foot (the + mark), its tip (the nodus) %1 mm "
                                 "from the plate.")
                      .arg(height);
  }
  notes.push_back(mount);
  notes.push_back(ja ? QStringLiteral("座標は足元（ノーダスから盤面への垂線の足）からの mm、x は右、y は盤面の最大傾斜線に沿って上"
                                      "（盤面を正面から見て）。水平な盤面では x が東、y が北。CSV と DXF も同じ座標です。"
                                      "印刷は 100 % で（用紙に合わせない）、100 mm の目盛りで確かめてください。")
                     : QStringLiteral("Coordinates are millimetres from the foot (the point of the plate nearest the "
                                      "nodus), x to the right and y up the plate's line of greatest slope as seen facing "
                                      "it; on a horizontal plate x is east and y north. The CSV and DXF use the same. "
                                      "Print at 100 % (not fit to page) and check the 100 mm bar."));
  return notes;
}

DialPages PlanDialPages(const DialFigure& figure, const DialSheetOptions& options) {
  // Text sizes in millimetres, measured at 100 dots a millimetre.
  constexpr double kMeasureDots = 100;
  const MeasureText measure = [](const std::string& text, bool numeral) {
    const QFontMetricsF metrics(
        SheetFont(PointsToMm(numeral ? kDialNumeralPoints : kDialLabelPoints) * kMeasureDots, numeral));
    const QRectF box =
        metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
    return std::pair{box.width() / kMeasureDots + 0.6, box.height() / kMeasureDots};
  };
  // Laid out with room anywhere: the whole page when it fits one.
  DialPages result{LayOutDial(figure, options.language, measure), {true, {}, 2}};
  const RectMm area = FigureArea(PaperMm(options.paper));
  const RectMm& bounds = result.drawing.bounds;
  if (bounds.width <= area.width && bounds.height <= area.height) return result;

  // Else the pages that cover it, and the labels laid out again, each whole on the
  // pages it touches and off the lines where they are cut, on a plate of the same
  // size (the template beside it stays where it was).
  TileGrid grid = CoverWithTiles(bounds, area.width, area.height, kTileOverlapMm);
  result.drawing = LayOutDial(figure, options.language, measure, RoomOfTiles(grid), result.drawing.plate);
  const DialDrawing& drawing = result.drawing;
  FigureContent content;
  for (const DialPath& path : drawing.paths) {
    for (std::size_t i = 0; i + 1 < path.points.size(); ++i) content.segments.push_back({path.points[i], path.points[i + 1]});
  }
  content.marks.push_back({drawing.foot.x - 4, drawing.foot.y - 4, 8, 8});
  for (const auto& dot : {drawing.centre, drawing.nodus}) {
    if (dot) content.marks.push_back({dot->x - 0.7, dot->y - 0.7, 1.4, 1.4});
  }
  for (const DialLabel& label : drawing.labels) {
    const PlacedLabel& placed = label.placed;
    content.labels.push_back(
        {placed.box, placed.leader ? std::optional(std::pair{placed.anchor, LeaderEnd(placed)}) : std::nullopt});
  }
  ChoosePrintedTiles(grid, content);
  result.pages = {false, grid, 1 + grid.UsedCount() + 1};
  return result;
}

QByteArray EncodeDial(const DialFigure& figure, const DialPages& pages, const DialSheetOptions& options,
                      SheetFormat format) {
  SheetParts parts;
  parts.title = Japanese(options) ? QStringLiteral("日時計") : QStringLiteral("Sundial");
  parts.language = options.language;
  parts.paper = options.paper;
  parts.mirrored = false;
  parts.header = [&](PagePainter& page, PageMm size) { DrawHeader(page, size, figure, options); };
  parts.figure = [&](PagePainter& page, PointMm offset, double k) { DrawFigure(page, pages.drawing, offset, k); };
  for (const QString& note : DialNotes(figure, options)) parts.end_notes << note;
  return EncodeTiledSheet(pages.drawing.bounds, pages.pages, parts, format);
}

}  // namespace paper
