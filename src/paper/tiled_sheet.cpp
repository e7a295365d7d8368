// SPDX-License-Identifier: MIT
#include "paper/tiled_sheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/core/version.h"

namespace paper {
namespace {

constexpr double kMarginMm = kPageMarginMm;
constexpr double kHeaderMm = 16;
constexpr double kFooterMm = 13;
constexpr double kGapMm = 3;
constexpr double kScaleBarMm = 100;
constexpr double kHeadNotePoints = 7;
constexpr double kHeadNoteGapMm = 0.8;  // between the paragraphs under the header
constexpr double kEndNotePoints = 7.5;
constexpr double kEndNoteGapMm = 1.2;   // between the paragraphs of the notes' page

bool Japanese(const SheetParts& parts) { return parts.language == SheetLanguage::kJapanese; }

// Signed millimetres for a range of the surface: "−180", "+1015".
QString SignedMm(double mm) {
  const long rounded = std::lround(mm);
  return (rounded < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + QString::number(std::labs(rounded));
}

// How tall `notes` stand wrapped to `width`, each followed by `gap`, after `lead`.
double ParagraphsHeightMm(const QStringList& notes, double points, double gap, double width, double lead) {
  double height = lead;
  for (const QString& note : notes) height += WrappedTextHeightMm(note, points, width) + gap;
  return height;
}

// `notes` one under the other from `top`, each followed by `gap`; returns where
// the last one's gap ends.
double DrawParagraphs(PagePainter& page, const QStringList& notes, double points, double gap, double left,
                      double top, double width) {
  double y = top;
  for (const QString& note : notes) {
    const double height = WrappedTextHeightMm(note, points, width);
    page.Text({left, y, width, height}, note, points, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    y += height + gap;
  }
  return y;
}

// The notes under the header; returns their height.
double DrawHeadNotes(PagePainter& page, PageMm size, const QStringList& notes) {
  if (notes.isEmpty()) return 0;
  const double y = DrawParagraphs(page, notes, kHeadNotePoints, kHeadNoteGapMm, kMarginMm,
                                  kMarginMm + kHeaderMm + kHeadNoteGapMm, size.width - 2 * kMarginMm);
  return y - kMarginMm - kHeaderMm;
}

double EndNotesHeightMm(const QStringList& notes, double width) {
  return ParagraphsHeightMm(notes, kEndNotePoints, kEndNoteGapMm, width, 0);
}

void DrawEndNotes(PagePainter& page, const QStringList& notes, const RectMm& area) {
  DrawParagraphs(page, notes, kEndNotePoints, kEndNoteGapMm, area.left, area.top, area.width);
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

// The whole figure on one page of `size`, centred in the figure area under the
// head notes, and above the end notes when they are drawn there.
void DrawWholePage(PagePainter& page, PageMm size, const RectMm& bounds, const SheetParts& parts, bool with_end_notes,
                   const QString& name) {
  DrawHeadNotes(page, size, parts.head_notes);
  RectMm area = FigureArea(size, HeadNotesHeightMm(parts.head_notes, size));
  if (with_end_notes && !parts.end_notes.isEmpty()) {
    const double notes = EndNotesHeightMm(parts.end_notes, area.width);
    DrawEndNotes(page, parts.end_notes, {area.left, area.Bottom() - notes, area.width, notes});
    area.height -= notes + kGapMm;
  }
  const PointMm offset = CentredIn(area, bounds);
  parts.header(page, size);
  parts.figure(page, offset, 1);
  DrawFooter(page, size, name, QString());
}

QString TileName(int row, int column) { return QStringLiteral("%1-%2").arg(row + 1).arg(column + 1); }

// The range of the surface a tile shows, in the coordinates of the CSV.
QString TilePlace(const RectMm& tile, bool mirrored, bool ja) {
  const double x_low = mirrored ? -tile.Right() : tile.left;
  const double x_high = mirrored ? -tile.left : tile.Right();
  const QString range = QStringLiteral("x %1…%2 mm, y %3…%4 mm")
                            .arg(SignedMm(x_low), SignedMm(x_high), SignedMm(-tile.Bottom()), SignedMm(-tile.top));
  return ja ? QStringLiteral("範囲 %1（足元から）").arg(range) : QStringLiteral("%1 from the foot").arg(range);
}

// Page 1 of a cut figure: what to do, and the map of the pages over the figure.
void DrawMapPage(PagePainter& page, PageMm size, const TiledPages& pages, const SheetParts& parts) {
  const bool ja = Japanese(parts);
  const TileGrid& grid = pages.grid;
  parts.header(page, size);
  const RectMm area = FigureArea(size, DrawHeadNotes(page, size, parts.head_notes));
  const QString how = MapPageText(grid, parts.language);
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
  parts.figure(page, origin, k);
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
void DrawTilePage(PagePainter& page, PageMm size, const TiledPages& pages, const SheetParts& parts, int row, int column,
                  int page_number) {
  const bool ja = Japanese(parts);
  const TileGrid& grid = pages.grid;
  const RectMm tile = grid.Tile(row, column);
  const RectMm area = FigureArea(size);
  const PointMm offset{area.left - tile.left, area.top - tile.top};
  auto used = [&](int r, int c) {
    return r >= 0 && c >= 0 && r < grid.rows && c < grid.columns &&
           grid.used[static_cast<std::size_t>(r * grid.columns + c)];
  };
  parts.header(page, size);
  page.Clip(area);
  parts.figure(page, offset, 1);
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
             TilePlace(tile, parts.mirrored, ja));
}

// The last page of a PDF that has end notes: the header, the notes, the footer.
void DrawNotesPage(PagePainter& page, PageMm size, const TiledPages& pages, const SheetParts& parts) {
  parts.header(page, size);
  DrawEndNotes(page, parts.end_notes, FigureArea(size));
  DrawFooter(page, size,
             Japanese(parts) ? QStringLiteral("説明（%1 / %1 ページ）").arg(pages.page_count)
                             : QStringLiteral("Notes (page %1 of %1)").arg(pages.page_count),
             QString());
}

}  // namespace

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

RectMm FigureArea(PageMm page, double notes_mm) {
  const double top = kMarginMm + kHeaderMm + notes_mm + kGapMm;
  return {kMarginMm, top, page.width - 2 * kMarginMm, page.height - top - kGapMm - kFooterMm - kMarginMm};
}

PointMm CentredIn(const RectMm& area, const RectMm& bounds) {
  return {area.left + (area.width - bounds.width) / 2 - bounds.left,
          area.top + (area.height - bounds.height) / 2 - bounds.top};
}

double HeadNotesHeightMm(const QStringList& notes, PageMm size) {
  if (notes.isEmpty()) return 0;
  return ParagraphsHeightMm(notes, kHeadNotePoints, kHeadNoteGapMm, size.width - 2 * kMarginMm, kHeadNoteGapMm);
}

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

QByteArray EncodeTiledSheet(const RectMm& bounds, const TiledPages& pages, const SheetParts& parts,
                            SheetFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const PageMm paper = PaperMm(parts.paper);
  if (format == SheetFormat::kSvg) {
    // The paper's page when the figure and the end notes fit it, else a page as
    // large as they are with the header, head notes and footer, never narrower than
    // the paper (their lines are set for it).
    const RectMm area = FigureArea(paper, HeadNotesHeightMm(parts.head_notes, paper));
    const double width = std::max(std::ceil(bounds.width + (paper.width - area.width)), paper.width);
    const double notes =
        parts.end_notes.isEmpty() ? 0 : EndNotesHeightMm(parts.end_notes, width - (paper.width - area.width)) + kGapMm;
    PageMm size = paper;
    if (!pages.one_page || bounds.height + notes > area.height) {
      size = {width, std::ceil(bounds.height + notes + (paper.height - area.height))};
    }
    QSvgGenerator svg;
    SetUpSvg(svg, &buffer, size.width, size.height, parts.title);
    QPainter painter(&svg);
    PagePainter page(painter, kSvgDotsPerMm);
    painter.fillRect(page.At(RectMm{0, 0, size.width, size.height}), Qt::white);
    DrawWholePage(page, size, bounds, parts, true, QString());
    painter.end();
    return bytes;
  }
  QPdfWriter pdf(&buffer);
  pdf.setTitle(parts.title);
  pdf.setCreator(QStringLiteral("Orvalin"));
  pdf.setPageLayout(QPageLayout(QtPageSize(parts.paper), QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&pdf);
  PagePainter page(painter, pdf.resolution() / 25.4);
  if (pages.one_page) {
    DrawWholePage(page, paper, bounds, parts, false,
                  parts.end_notes.isEmpty() ? QString()
                  : Japanese(parts)         ? QStringLiteral("1 / %1 ページ").arg(pages.page_count)
                                            : QStringLiteral("page 1 of %1").arg(pages.page_count));
  } else {
    DrawMapPage(page, paper, pages, parts);
    int number = 1;
    for (int row = 0; row < pages.grid.rows; ++row) {
      for (int column = 0; column < pages.grid.columns; ++column) {
        if (!pages.grid.used[static_cast<std::size_t>(row * pages.grid.columns + column)]) continue;
        pdf.newPage();
        DrawTilePage(page, paper, pages, parts, row, column, ++number);
      }
    }
  }
  if (!parts.end_notes.isEmpty()) {
    pdf.newPage();
    DrawNotesPage(page, paper, pages, parts);
  }
  painter.end();
  return bytes;
}

}  // namespace paper
