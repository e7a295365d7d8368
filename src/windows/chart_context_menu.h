// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace chart {
struct Chart;
}

// The chart's context menu (画像として保存…, 印刷…): the procedures are
// Frm2kin::ctxsave_Click and ctxprint_Click, defined beside these.
namespace windows {

// The save dialog: the path chosen, with the extension of the type chosen when the
// name has none of .png, .svg, .pdf; nothing when cancelled.
std::optional<std::string> ChooseImageFileByDialog(QWidget* parent);
// The print dialog: sets up the printer and says whether to print.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

// Prints the chart with its legend on one page at its true size, centred on the
// printable area. Returns false when the printer could not be started.
bool PrintChart(QPrinter& printer, const chart::Chart& chart);

}  // namespace windows
