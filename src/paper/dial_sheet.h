// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "paper/tiled_sheet.h"
#include "sheet_layout/dial_layout.h"
#include "sheet_layout/sheet.h"

// A flat dial on paper at true size (1 mm on paper is 1 mm on the plate), as seen
// facing the plate: the hour lines and their numerals, the date lines, the foot,
// the centre, the substyle, the plate's outline and the gnomon's template, cut into
// pages as the noon mark is; and the notes: the inputs, the style's angles, the
// key to the lines and how to mount the plate and the gnomon.
namespace paper {

struct DialPages {
  DialDrawing drawing;
  TiledPages pages;
};

// Lays out `figure` and cuts it into pages of the paper. Needs a QGuiApplication
// (the labels are measured in the sheet's font).
DialPages PlanDialPages(const DialFigure& figure, const DialSheetOptions& options);

// The notes, one paragraph an entry, in the options' language.
std::vector<QString> DialNotes(const DialFigure& figure, const DialSheetOptions& options);

// The sheet as a PDF (the figure's pages, then a page of notes) or an SVG (one
// drawing, the notes below the figure). Needs a QGuiApplication.
QByteArray EncodeDial(const DialFigure& figure, const DialPages& pages, const DialSheetOptions& options,
                      SheetFormat format);

}  // namespace paper
