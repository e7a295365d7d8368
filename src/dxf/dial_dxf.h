// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "sheet_layout/dial_layout.h"
#include "sheet_layout/sheet.h"

// A flat dial for a laser cutter, a CNC router or a CAD program. No Qt.
namespace dxf {

// The dial laid out as on paper, as a DXF file in millimetres with y up the plate
// (the plate's own coordinates: the foot of the nodus at 0,0): layer CUT holds the
// plate's outline and the gnomon's template, ETCH the hour lines, date lines, the
// substyle, the foot and the centre, TEXT the numerals and labels (in
// `language`; summer-time numerals in red), their leaders and the key's samples.
std::string DialDxf(const paper::DialFigure& figure, paper::SheetLanguage language);

// Text heights, millimetres: numerals, other labels.
inline constexpr double kNumeralHeightMm = 3.5;
inline constexpr double kLabelHeightMm = 2.5;

}  // namespace dxf
