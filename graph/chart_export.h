// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <optional>
#include <string_view>

class QPainter;
class QPrinter;
class QRectF;

namespace platform {
class FormClient;
}

// The graph window's chart on other devices: as a PNG of the window's surface, and
// drawn again as vectors (grid lines, labels as text, each curve as a path through
// the points the window plotted) for SVG, PDF and printers, at its true size:
// 15 twips per pixel, 1,440 twips per inch.
namespace graph {

enum class ChartFormat { kPng, kSvg, kPdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, any case).
std::optional<ChartFormat> ChartFormatOfFileName(std::string_view file_name);
// The format of a name as given on a command line ("png", "svg", "pdf").
std::optional<ChartFormat> ChartFormatNamed(std::string_view name);

// Draws the chart as the window shows it, in the window's logical pixels with the
// origin at the client area's top left: background, grid lines, labels, the year
// box and the curves. Reads the lines, labels and plotted points of `chart`.
void DrawChart(QPainter& painter, const platform::FormClient& chart);

// Draws the chart at its true size on a device of `dots_per_inch`, centred in
// `area` (device pixels); a chart larger than `area` is shrunk to fit.
void DrawChartCentred(QPainter& painter, const platform::FormClient& chart, const QRectF& area,
                      double dots_per_inch);

// The chart as the bytes of a file: PNG is exactly the window's surface as shown;
// SVG and PDF (one page the size of the chart) are drawn as vectors.
QByteArray EncodeChart(platform::FormClient& chart, ChartFormat format);

// Prints the chart on one page at its true size, centred on the printable area.
// Returns false when the printer could not be started.
bool PrintChart(QPrinter& printer, const platform::FormClient& chart);

}  // namespace graph
