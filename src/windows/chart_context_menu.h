// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "chart/chart_format.h"

class QPrinter;
class QWidget;

namespace chart {
struct Chart;
}

// What the chart's context menu (画像として保存…, 印刷…) does, apart from the window:
// its procedures, Frm2kin::ctxsave_Click and ctxprint_Click, call these.
namespace windows {

// The save dialog: the path chosen, with the extension of the type chosen when the
// name has none of .png, .svg, .pdf; nothing when cancelled.
std::optional<std::string> ChooseImageFileByDialog(QWidget* parent);
// The print dialog: sets up the printer and says whether to print.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

// Saves the chart to `path` as a file of `format` (by the platform's whole-file
// writer: replaced whole or not at all): the PNG is the window's picture, at the
// window's device pixel ratio; the SVG and the PDF, made for paper, carry the legend
// the window has no room for. Returns why not, in Japanese, when it could not.
std::optional<std::string> SaveChartImage(const std::string& path, chart::ChartFormat format,
                                          const chart::Chart& chart, double device_pixel_ratio);

// Prints the chart with its legend on one page at its true size, centred on the
// printable area. Returns why not, in Japanese, when it could not.
std::optional<std::string> PrintChart(QPrinter& printer, const chart::Chart& chart);

}  // namespace windows
