// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "chart/chart.h"
#include "chart/chart_format.h"
#include "clock/correction_card.h"
#include "sheet_layout/analemmatic_layout.h"
#include "sheet_layout/dial_layout.h"
#include "sheet_layout/sheet.h"
#include "sundial/analemmatic.h"
#include "sundial/noon_mark.h"

// What orvalin-cli draws with Qt's GUI libraries: the chart as an image and the
// sheets. They live in a module, orvalin-draw.so, that orvalin-cli loads the first
// time a command draws. orvalin-cli itself links QtCore alone, so the text commands
// and every help start without loading the GUI libraries; the commands read and
// check every value before anything is drawn, so a wrong value is refused as fast.
namespace cli {

// Drawings from values, as the bytes of a file. Each throws ValueError when it
// cannot be made.
class Drawing {
 public:
  virtual ~Drawing() = default;

  // The chart as PNG (the window's picture), SVG or PDF.
  virtual std::string Chart(const chart::Chart& chart, chart::ChartFormat format, bool legend) = 0;

  // The correction card, one A4 page.
  virtual std::string CorrectionCard(const sundial::CorrectionCard& card, paper::SheetFormat format,
                                     paper::SheetLanguage language) = 0;

  // The noon mark at true size: one page, or a map page and overlapping tiles in a
  // PDF; an SVG larger than the paper is one drawing of the figure's size. Refused
  // past kMaxNoonMarkPages pages or an SVG side of kMaxSvgSideMm.
  virtual std::string NoonMark(const sundial::NoonMark& mark, const paper::NoonMarkSheetOptions& options,
                               paper::SheetFormat format) = 0;

  // A flat dial at true size, cut into pages as the noon mark is, with a page of
  // notes (the inputs, the style, the key and how to mount it) in a PDF, below the
  // figure in an SVG. Refused past kMaxNoonMarkPages pages or an SVG side of
  // kMaxSvgSideMm.
  virtual std::string Dial(const paper::DialFigure& figure, const paper::DialSheetOptions& options,
                           paper::SheetFormat format) = 0;
  // The analemmatic dial's plan on one page, at the scale the options name or the
  // largest round one that fits the paper. Refused when the named scale does not fit.
  virtual std::string AnalemmaticDial(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                      const paper::AnalemmaticSheetOptions& options, paper::SheetFormat format) = 0;
};

// The drawing module, loaded on the first call from ORVALIN_DRAWING_MODULE, a path
// relative to this program's own folder (the same as installed and as built).
// Throws ValueError when it cannot be loaded: "cannot load the drawing module
// '...': ...".
Drawing& LoadedDrawing();

// Uses `drawing` instead of loading the module: for tests that link the drawing
// library itself.
void UseDrawing(Drawing& drawing);

// The function the module exports, `extern "C" cli::Drawing* orvalin_drawing()`,
// which starts Qt's GUI on its offscreen platform and returns the one drawing.
inline constexpr char kDrawingEntryPoint[] = "orvalin_drawing";

}  // namespace cli
