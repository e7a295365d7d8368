// SPDX-License-Identifier: MIT
#include "chart/chart_format.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace chart {

std::optional<ChartFormat> ChartFormatNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "png") return ChartFormat::kPng;
  if (lower == "svg") return ChartFormat::kSvg;
  if (lower == "pdf") return ChartFormat::kPdf;
  return std::nullopt;
}

std::optional<ChartFormat> ChartFormatOfFileName(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  const std::size_t slash = file_name.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
  return ChartFormatNamed(file_name.substr(dot + 1));
}

}  // namespace chart
