// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "paper/page_painter.h"
#include "sheet_layout/page_tiles.h"
#include "sheet_layout/sheet.h"

// A sheet whose figure is drawn at true size: on one page of the paper when it
// fits, else cut into pages that overlap by kTileOverlapMm, with dashed lines and
// alignment marks, after a first page that maps them; every page has its header, a
// 100 mm scale bar and its name. An SVG is one drawing: the page, or the figure's
// own size. The noon mark and the dial are drawn so.
namespace paper {

// The page's margin on every side.
inline constexpr double kPageMarginMm = 10;

struct PageMm {
  double width;
  double height;
};

PageMm PaperMm(PaperSize paper);
QPageSize QtPageSize(PaperSize paper);

// Where the figure goes on a page of `page`'s size: below the header and
// `notes_mm` of notes, above the footer.
RectMm FigureArea(PageMm page, double notes_mm = 0);

// What turns the millimetres of a figure of `bounds` into a page's, the figure
// centred in `area`.
PointMm CentredIn(const RectMm& area, const RectMm& bounds);

// How tall `notes` stand under the header of a page of `size`: 0 without notes.
double HeadNotesHeightMm(const QStringList& notes, PageMm size);

struct TiledPages {
  bool one_page;   // the whole figure fits the paper
  TileGrid grid;   // otherwise: the tiles; the used ones are printed after the map
  int page_count;  // pages of the PDF: 1, or the map and each used tile; and the notes' page
};

// What the map page says of the pages: how many, in how many rows and columns,
// how to lay them out and join them.
QString MapPageText(const TileGrid& grid, SheetLanguage language);

// What a sheet draws on its pages.
struct SheetParts {
  QString title;  // the document's
  SheetLanguage language;
  PaperSize paper;
  bool mirrored;  // the surface's x runs right to left on paper (a wall facing north)
  // The title and inputs at the top of every page of `size`.
  std::function<void(PagePainter&, PageMm size)> header;
  // The figure with `offset` added to its millimetres, `k` times its size: at true
  // size (k = 1) with every detail, reduced on the map with the lines alone.
  std::function<void(PagePainter&, PointMm offset, double k)> figure;
  // Paragraphs under the header of the one page and of the map, the figure below
  // them; a figure drawn with them must fit FigureArea(paper, HeadNotesHeightMm).
  QStringList head_notes;
  // Paragraphs that a PDF prints on a last page of their own and an SVG below the
  // figure.
  QStringList end_notes;
};

// The sheet as a PDF of the paper's size, or as an SVG: the one page when the
// figure fits it, else one drawing of the whole figure at true size (for a plotter
// or a print shop's roll). Needs a QGuiApplication.
QByteArray EncodeTiledSheet(const RectMm& bounds, const TiledPages& pages, const SheetParts& parts, SheetFormat format);

// The foot of the nodus as the sheets mark it at the figure's origin: a circle of
// 2.5 mm and a cross of 8 mm, through `at`, which maps the figure's millimetres
// onto the page.
template <typename At>
void DrawFootOfNodus(PagePainter& page, const At& at, PointMm foot) {
  page.Pen(0.25);
  page.Circle(at(foot), 2.5);
  page.Line(at({-4, 0}), at({4, 0}));
  page.Line(at({0, -4}), at({0, 4}));
}

}  // namespace paper
