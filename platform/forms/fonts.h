// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace platform {

// A face by the Windows name the layouts give ("ＭＳ Ｐゴシック") and its size in points.
struct FontSpec {
  const char* face;
  double points;
};

// Maps the Windows Japanese face names to the IPA Gothic faces (proportional and
// fixed-pitch twins drawn to the same metrics), then other Japanese Gothic faces.
// Call once after the application object exists.
void RegisterFontSubstitutions();

// The font for a FontSpec, normal weight, sized in pixels at 96 dpi so that text
// keeps its proportion to the twip layout whatever the screen's dpi setting.
QFont MakeFont(const FontSpec& font_spec);

// The same font in the fixed-pitch twin of its face (IPAGothic for IPAPGothic),
// whose digits are half a square wide as in the Windows faces.
QFont FixedPitchTwin(const QFont& font);

// The window font of a form that sets none.
inline constexpr FontSpec kDefaultWindowFont{"ＭＳ Ｐゴシック", 9};

}  // namespace platform
