// SPDX-License-Identifier: MIT
#include "platform/forms/fonts.h"

#include <QStringList>

#include "platform/core/geometry.h"

namespace platform {

void RegisterFontSubstitutions() {
  const QStringList proportional = {"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", "VL PGothic"};
  const QStringList fixed_pitch = {"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP", "VL Gothic"};
  for (const char* face : {"ＭＳ Ｐゴシック", "MS PGothic", "ＤＦ平成ゴシック体W5", "MS UI Gothic"}) {
    QFont::insertSubstitutions(QString::fromUtf8(face), proportional);
  }
  for (const char* face : {"ＭＳ ゴシック", "MS Gothic"}) {
    QFont::insertSubstitutions(QString::fromUtf8(face), fixed_pitch);
  }
}

QFont FixedPitchTwin(const QFont& font) {
  QFont twin = font;
  twin.setFamily(QString::fromUtf8("ＭＳ ゴシック"));
  return twin;
}

QFont MakeFont(const FontSpec& font_spec) {
  QFont font(QString::fromUtf8(font_spec.face));
  font.setPixelSize(PointsToPixels(font_spec.points));
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace platform
