// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

// The kinds of file the chart is written as: PNG as the window shows it, SVG and
// PDF as vectors at its true size.
namespace chart {

enum class ChartFormat { kPng, kSvg, kPdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, any case).
std::optional<ChartFormat> ChartFormatOfFileName(std::string_view file_name);

// The format of a name as given on a command line ("png", "svg", "pdf", any case).
std::optional<ChartFormat> ChartFormatNamed(std::string_view name);

}  // namespace chart
