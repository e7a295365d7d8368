// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QPainter;

#include "sheet_layout/analemmatic_layout.h"
#include "sheet_layout/sheet.h"
#include "sundial/analemmatic.h"

// The analemmatic dial on one page: its plan to a round scale (printed, with a
// 1 m bar) with the hour numerals and the date scale, north, the inputs, how to
// stand and read it, and what to add to the reading to get the clock's time.
namespace paper {

struct AnalemmaticPage {
  AnalemmaticDrawing drawing;
  RectMm plan_area;  // where the plan goes on the page
  bool fits;         // the plan fits plan_area at its scale
};

// Lays out the plan at the scale `options` names, or at the largest round scale at
// which it fits the paper (then `fits` is false only when none does). Needs a
// QGuiApplication (the labels are measured in the sheet's font).
AnalemmaticPage PlanAnalemmaticPage(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                    const AnalemmaticSheetOptions& options);

// Draws the page on `painter`, whose device measures `dots_per_mm` dots a
// millimetre, on a page of the paper's size whose top left is the device's origin.
void DrawAnalemmaticPage(QPainter& painter, const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                         const AnalemmaticPage& page, const AnalemmaticSheetOptions& options, double dots_per_mm);

// The page as a PDF of the paper's size or an SVG of the same size in mm.
QByteArray EncodeAnalemmaticPage(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                 const AnalemmaticPage& page, const AnalemmaticSheetOptions& options,
                                 SheetFormat format);

}  // namespace paper
