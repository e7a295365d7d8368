// SPDX-License-Identifier: MIT
#pragma once

#include "chart/chart_geometry.h"
#include "platform/fonts/fonts.h"
#include "platform/fonts/window_fonts.h"

// The faces of the chart's captions and year box, by the Windows names the layout
// gives them.
namespace chart {

inline const platform::FontSpec& CaptionFontSpec(chart::area::CaptionFont font) {
  switch (font) {
    case chart::area::CaptionFont::kMinutes:
      return platform::fonts::kPGothic12;
    case chart::area::CaptionFont::kYearUnit:
      return platform::fonts::kHeiseiGothic12;
    case chart::area::CaptionFont::kWindow:
      break;
  }
  return platform::kDefaultWindowFont;  // the graph window sets no font of its own
}

inline constexpr const platform::FontSpec& kYearBoxFont = platform::fonts::kPGothic135;

}  // namespace chart
