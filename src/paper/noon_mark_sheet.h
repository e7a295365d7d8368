// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "sheet_layout/noon_mark_layout.h"
#include "sheet_layout/page_tiles.h"
#include "sheet_layout/sheet.h"
#include "sundial/noon_mark.h"

// The noon mark on paper at true size (1 mm on paper is 1 mm on the floor or the
// wall): the figure of eight with its dates, the solstices and equinoxes, the
// meridian, the foot of the nodus, which way is north (or up), a 100 mm scale bar
// and the inputs on every page. A figure larger than the paper is cut into
// numbered pages that overlap, with marks to align them, after a first page that
// maps how they fit together.
namespace paper {

struct NoonMarkPages {
  NoonMarkDrawing drawing;
  bool one_page;   // the whole figure fits the paper
  TileGrid grid;   // otherwise: the tiles; the used ones are printed after the map
  int page_count;  // pages of the PDF: 1, or the map and each used tile
  // Where the figure is drawn on the paper, in mm of the page: on the one page,
  // under the header and the notes; on a tile's page, the tile's place.
  RectMm figure_area;
  PointMm page_offset;  // one page: what turns the drawing's mm into the page's
};

// Lays out `mark` and cuts it into pages of the paper. Needs a QGuiApplication
// (the labels are measured in the sheet's font).
NoonMarkPages PlanNoonMarkPages(const sundial::NoonMark& mark, const NoonMarkSheetOptions& options);

// What the map page says of the pages: how many, in how many rows and columns,
// how to lay them out and join them.
QString MapPageText(const TileGrid& grid, SheetLanguage language);

// The pages as a PDF of the paper's size, or as an SVG: the one page when the
// figure fits it, else one drawing of the whole figure at true size (for a
// plotter or a print shop's roll). Needs a QGuiApplication.
QByteArray EncodeNoonMark(const sundial::NoonMark& mark, const NoonMarkPages& pages,
                          const NoonMarkSheetOptions& options, SheetFormat format);

}  // namespace paper
