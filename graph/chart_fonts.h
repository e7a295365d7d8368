// SPDX-License-Identifier: MIT
#pragma once

#include "graph/chart_geometry.h"
#include "platform/fonts/fonts.h"
#include "platform/fonts/window_fonts.h"

// The faces of the chart's captions and year box, by the Windows names the layout
// gives them.
namespace graph {

inline const platform::FontSpec& CaptionFontSpec(chart::CaptionFont font) {
  switch (font) {
    case chart::CaptionFont::kMinutes:
      return platform::fonts::kPGothic12;
    case chart::CaptionFont::kYearUnit:
      return platform::fonts::kHeiseiGothic12;
    case chart::CaptionFont::kWindow:
      break;
  }
  return platform::kDefaultWindowFont;  // the graph window sets no font of its own
}

inline constexpr const platform::FontSpec& kYearBoxFont = platform::fonts::kPGothic135;

}  // namespace graph
