// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "sheet_layout/page_tiles.h"
#include "sheet_layout/sheet.h"
#include "clock/correction_card.h"

class QPainter;

// The correction card on paper: one A4 portrait page with a row for each day 1–31
// and a column for each month, summer-time days shaded, the place, zone and year
// in the title, and the method stated.
namespace paper {

// Where the cell of `month` (1..12) and `day` (1..31) lies on the page, in mm
// from its top left.
RectMm CardCellMm(int month, int day);

// Draws the card on `painter`, whose device measures `dots_per_mm` dots a
// millimetre, on an A4 page (210 × 297 mm) whose top left is the device's origin.
void DrawCorrectionCard(QPainter& painter, const sundial::CorrectionCard& card, SheetLanguage language,
                        double dots_per_mm);

// The card as the bytes of an A4 PDF or an SVG of A4's size. Needs a
// QGuiApplication (fonts).
QByteArray EncodeCorrectionCard(const sundial::CorrectionCard& card, SheetFormat format, SheetLanguage language);

}  // namespace paper
