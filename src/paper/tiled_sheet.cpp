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

bool Japanese(const SheetParts& parts) { return parts.language == SheetLanguage::kJapanese; }

// Signed millimetres for a range of the surface: "−180", "+1015".
QString SignedMm(double mm) {
  const long rounded = std::lround(mm);
  return (rounded < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + QString::number(std::labs(rounded));
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

double NotesHeight(const SheetParts& parts, double width) { return parts.notes ? parts.notes_height(width) : 0; }

// The whole figure on one page of `size`, centred in the figure area above the
// notes when they are drawn there.
void DrawWholePage(PagePainter& page, PageMm size, const RectMm& bounds, const SheetParts& parts, bool with_notes,
                   const QString& name) {
  RectMm area = FigureArea(size);
  if (with_notes && parts.notes) {
    const double notes = NotesHeight(parts, area.width);
    parts.notes(page, {area.left, area.Bottom() - notes, area.width, notes});
    area.height -= notes + kGapMm;
  }
  const PointMm offset{area.left + (area.width - bounds.width) / 2 - bounds.left,
                       area.top + (area.height - bounds.height) / 2 - bounds.top};
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
  const int tiles = grid.UsedCount();
  parts.header(page, size);
  const RectMm area = FigureArea(size);
  const QString how = ja ? QStringLiteral(
                               "図は実寸で、%1 枚の用紙（%2 行 × %3 列、図の外側の用紙は省略）に分かれています。"
                               "下の配置図のとおりに並べてください。隣り合う用紙は %4 mm 重なります。"
                               "一方の用紙を破線で切り、もう一方に重ねて + 印を合わせてください。"
                               "各用紙の下に、その行と列、ノーダスの足元からの範囲が書かれています。"
                               "印刷後、100 mm の目盛りで縮尺を確かめてください。")
                               .arg(tiles)
                               .arg(grid.rows)
                               .arg(grid.columns)
                               .arg(kTileOverlapMm)
                         : QStringLiteral(
                               "The figure is at true size on %1 pages (%2 rows × %3 columns; pages outside the "
                               "figure are left out). Lay them out as the map below shows. Neighbouring pages overlap "
                               "by %4 mm: cut one page along its dashed line, lay it over the other and match the + "
                               "marks. Each page names its row and column and the part of the surface it shows, "
                               "from the foot of the nodus. Check the printer's scale with the 100 mm bar.")
                               .arg(tiles)
                               .arg(grid.rows)
                               .arg(grid.columns)
                               .arg(kTileOverlapMm);
  page.Text({area.left, area.top, area.width, 26}, how, 8, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

  // The map: the grid of pages over the figure, reduced to fit.
  const RectMm map_area{area.left, area.top + 30, area.width, area.height - 36};
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
    page.Line({c.x - 3, c.y}, {c.x + 3, c.y});
    page.Line({c.x, c.y - 3}, {c.x, c.y + 3});
    page.Circle(c, 1.2);
  };
  page.Pen(0.15, QColor(60, 60, 60), Qt::DashLine);
  const bool above = used(row - 1, column), below = used(row + 1, column);
  const bool left = used(row, column - 1), right = used(row, column + 1);
  if (above) page.Line({area.left, area.top + o}, {area.Right(), area.top + o});
  if (below) page.Line({area.left, area.Bottom() - o}, {area.Right(), area.Bottom() - o});
  if (left) page.Line({area.left + o, area.top}, {area.left + o, area.Bottom()});
  if (right) page.Line({area.Right() - o, area.top}, {area.Right() - o, area.Bottom()});
  for (const double x : {area.left + 25, area.Right() - 25}) {
    if (above) cross({x, area.top + o / 2});
    if (below) cross({x, area.Bottom() - o / 2});
  }
  for (const double y : {area.top + 25, area.Bottom() - 25}) {
    if (left) cross({area.left + o / 2, y});
    if (right) cross({area.Right() - o / 2, y});
  }
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

// The last page of a PDF that has notes: the header, the notes, the footer.
void DrawNotesPage(PagePainter& page, PageMm size, const TiledPages& pages, const SheetParts& parts) {
  parts.header(page, size);
  parts.notes(page, FigureArea(size));
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

RectMm FigureArea(PageMm page) {
  const double top = kMarginMm + kHeaderMm + kGapMm;
  return {kMarginMm, top, page.width - 2 * kMarginMm, page.height - top - kGapMm - kFooterMm - kMarginMm};
}

TiledPages CutIntoPages(const RectMm& bounds, PaperSize paper, const std::function<void(TileGrid&)>& mark,
                        bool notes) {
  const RectMm area = FigureArea(PaperMm(paper));
  TiledPages pages{bounds.width <= area.width && bounds.height <= area.height, {}, 1};
  if (!pages.one_page) {
    pages.grid = CoverWithTiles(bounds, area.width, area.height, kTileOverlapMm);
    mark(pages.grid);
    FillRowGaps(pages.grid);
    pages.page_count = 1 + pages.grid.UsedCount();
  }
  if (notes) ++pages.page_count;
  return pages;
}

QByteArray EncodeTiledSheet(const RectMm& bounds, const TiledPages& pages, const SheetParts& parts,
                            SheetFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const PageMm paper = PaperMm(parts.paper);
  if (format == SheetFormat::kSvg) {
    // The paper's page when the figure and the notes fit it, else a page as large
    // as they are with the header and footer, never narrower than the paper
    // (their lines are set for it).
    const RectMm area = FigureArea(paper);
    const double width = std::max(std::ceil(bounds.width + (paper.width - area.width)), paper.width);
    const double notes = parts.notes ? NotesHeight(parts, width - (paper.width - area.width)) + kGapMm : 0;
    PageMm size = paper;
    if (!pages.one_page || bounds.height + notes > area.height) {
      size = {width, std::max(std::ceil(bounds.height + notes + (paper.height - area.height)), paper.height)};
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
                  parts.notes ? (Japanese(parts) ? QStringLiteral("1 / %1 ページ").arg(pages.page_count)
                                                 : QStringLiteral("page 1 of %1").arg(pages.page_count))
                              : QString());
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
  if (parts.notes) {
    pdf.newPage();
    DrawNotesPage(page, paper, pages, parts);
  }
  painter.end();
  return bytes;
}

QString OffsetText(int seconds) {
  const int minutes = std::abs(seconds) / 60;
  return QStringLiteral("UTC%1%2:%3")
      .arg(seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString Number(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && text.toDouble() == 0) text.remove(0, 1);
  return text;
}

}  // namespace paper
