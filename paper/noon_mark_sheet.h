// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <string>

#include "paper/noon_mark_layout.h"
#include "paper/page_tiles.h"
#include "paper/sheet.h"
#include "sundial/noon_mark.h"

// The noon mark on paper at true size (1 mm on paper is 1 mm on the floor or the
// wall): the figure of eight with its dates, the solstices and equinoxes, the
// meridian, the foot of the nodus, which way is north (or up), a 100 mm scale bar
// and the inputs on every page. A figure larger than the paper is cut into
// numbered pages that overlap, with marks to align them, after a first page that
// maps how they fit together.
namespace paper {

enum class PaperSize { kA4, kA3, kLetter };

struct NoonMarkSheetOptions {
  std::string zone_name;  // printed with the standard offset
  SheetLanguage language;
  PaperSize paper;
};

// Neighbouring pages share a strip this wide.
inline constexpr double kTileOverlapMm = 10;

// More pages than this are refused: past it a print shop's single sheet, or a
// chalk line from the CSV, serves better than a heap of paper.
inline constexpr int kMaxNoonMarkPages = 200;

// An SVG's side is at most this long: its numbers have six significant digits,
// which at 10 units a millimetre keep 0.1 mm up to here.
inline constexpr double kMaxSvgSideMm = 100000;

struct NoonMarkPages {
  NoonMarkDrawing drawing;
  bool one_page;   // the whole figure fits the paper
  TileGrid grid;   // otherwise: the tiles; the used ones are printed after the map
  int page_count;  // pages of the PDF: 1, or the map and each used tile
};

// Lays out `mark` and cuts it into pages of the paper. Needs a QGuiApplication
// (the labels are measured in the sheet's font).
NoonMarkPages PlanNoonMarkPages(const sundial::NoonMark& mark, const NoonMarkSheetOptions& options);

// The pages as a PDF of the paper's size, or as an SVG: the one page when the
// figure fits it, else one drawing of the whole figure at true size (for a
// plotter or a print shop's roll). Needs a QGuiApplication.
QByteArray EncodeNoonMark(const sundial::NoonMark& mark, const NoonMarkPages& pages,
                          const NoonMarkSheetOptions& options, SheetFormat format);

}  // namespace paper
