// SPDX-License-Identifier: MIT
#include "platform/fonts/fonts.h"

#include <QStringList>
#include <QtGlobal>

#include "platform/core/geometry.h"

namespace platform {

namespace {

const QStringList& ProportionalFaces() {
  static const QStringList faces = {"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", "VL PGothic"};
  return faces;
}

const QStringList& FixedPitchFaces() {
  static const QStringList faces = {"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP", "VL Gothic"};
  return faces;
}

QtMessageHandler previous_handler = nullptr;

void DropMissingFaceWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QFont::setPointSizeF: Point size <= 0"))) return;
  if (previous_handler) previous_handler(type, context, message);
}

}  // namespace

QStringList SubstituteFaces() { return ProportionalFaces() + FixedPitchFaces(); }

std::string MissingFacesNotice(const QStringList& installed_families) {
  for (const QString& face : SubstituteFaces()) {
    if (installed_families.contains(face, Qt::CaseInsensitive)) return {};
  }
  return "orvalin: no Japanese font found; captions will show as empty boxes. "
         "Install the package fonts-ipafont-gothic.";
}

void SilenceMissingFaceWarnings() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  previous_handler = qInstallMessageHandler(DropMissingFaceWarnings);
}

void RegisterFontSubstitutions() {
  const QStringList& proportional = ProportionalFaces();
  const QStringList& fixed_pitch = FixedPitchFaces();
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
