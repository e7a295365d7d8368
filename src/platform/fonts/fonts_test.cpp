// SPDX-License-Identifier: MIT
#include "platform/fonts/fonts.h"

#include <gtest/gtest.h>

#include <QtGlobal>
#include <string>
#include <vector>

namespace {

TEST(MissingFacesNotice, NamesThePackageOnlyWhenNoSubstituteFaceIsInstalled) {
  const struct {
    QStringList installed;
    bool notice;
  } kCases[] = {
      {{}, true},
      {{"DejaVu Sans", "Liberation Serif"}, true},
      {{"IPAPGothic"}, false},
      {{"DejaVu Sans", "ipagothic"}, false},
      {{"Noto Sans CJK JP"}, false},
      {{"IPAPGothic Extra"}, true},  // a name that merely starts like one
  };
  for (const auto& c : kCases) {
    const std::string notice = platform::MissingFacesNotice(c.installed);
    EXPECT_EQ(!notice.empty(), c.notice) << c.installed.join(", ").toStdString();
    if (c.notice) {
      EXPECT_NE(notice.find("fonts-ipafont-gothic"), std::string::npos) << notice;
      EXPECT_EQ(notice.find('\n'), std::string::npos) << "one line";
    }
  }
}

std::vector<std::string> g_passed_on;

TEST(SilenceMissingFaceWarnings, DropsOnlyTheMenuFontWarning) {
  const QtMessageHandler original = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& message) { g_passed_on.push_back(message.toStdString()); });
  platform::SilenceMissingFaceWarnings();
  qWarning("QFont::setPointSizeF: Point size <= 0 (-0.750000), must be greater than 0");
  qWarning("QFont::setPointSizeF: something else");
  qCritical("QFont::setPointSizeF: Point size <= 0 (-0.750000), must be greater than 0");
  qInstallMessageHandler(original);
  EXPECT_EQ(g_passed_on, (std::vector<std::string>{
                             "QFont::setPointSizeF: something else",
                             "QFont::setPointSizeF: Point size <= 0 (-0.750000), must be greater than 0"}));
}

}  // namespace
