// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>
#include <string>

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

// The faces RegisterFontSubstitutions maps the Windows names to.
QStringList SubstituteFaces();

// One line for standard error, naming the package to install, when none of the
// substitute faces is among `installed_families` (every caption would be drawn as
// empty boxes); empty when one is there.
std::string MissingFacesNotice(const QStringList& installed_families);

// With no face at all, Qt's Fusion style sets each menu item's font to the point
// size QFontInfo reports for it, which is −0.75 when no face answers, and Qt warns
// about it at every repaint. Drops that one warning (the notice above has said
// why); every other message goes on as before.
void SilenceMissingFaceWarnings();

// The font for a FontSpec, normal weight, sized in pixels at 96 dpi so that text
// keeps its proportion to the twip layout whatever the screen's dpi setting.
QFont MakeFont(const FontSpec& font_spec);

// The same font in the fixed-pitch twin of its face (IPAGothic for IPAPGothic),
// whose digits are half a square wide as in the Windows faces.
QFont FixedPitchTwin(const QFont& font);

// The window font of a form that sets none.
inline constexpr FontSpec kDefaultWindowFont{"ＭＳ Ｐゴシック", 9};

}  // namespace platform
