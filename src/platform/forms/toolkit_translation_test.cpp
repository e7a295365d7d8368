// SPDX-License-Identifier: MIT
#include "platform/forms/toolkit_translation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>

namespace {

TEST(ToolkitTranslation, QtsOwnTextsSpeakJapanese) {
  QTranslator* translator = platform::InstallToolkitTranslation();
  ASSERT_NE(translator, nullptr) << "Qt's Japanese translation is missing (qt6-translations-l10n)";
  const struct {
    const char *context, *text;
  } kCases[] = {{"QLineEdit", "&Paste"}, {"QLineEdit", "Select All"}, {"QPlatformTheme", "Cancel"}};
  for (const auto& c : kCases) {
    const QString translated = QCoreApplication::translate(c.context, c.text);
    EXPECT_NE(translated, QString::fromUtf8(c.text)) << c.context << " " << c.text;
    EXPECT_TRUE(std::any_of(translated.begin(), translated.end(), [](QChar ch) { return ch.unicode() >= 0x3000; }))
        << translated.toStdString();
  }
  QCoreApplication::removeTranslator(translator);
}

}  // namespace
