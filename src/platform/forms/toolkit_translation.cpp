// SPDX-License-Identifier: MIT
#include "platform/forms/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

QTranslator* InstallToolkitTranslation() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  // qt_ja is the catalogue that gathers the Japanese texts of Qt's modules.
  if (!translator->load(QStringLiteral("qt_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace platform
