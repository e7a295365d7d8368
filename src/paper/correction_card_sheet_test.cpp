// SPDX-License-Identifier: MIT
// The card as files: the values of the days are on the page as text, and the
// title names place, zone and year, in either language.
#include "paper/correction_card_sheet.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "clock/zone_names.h"

namespace {

TEST(CorrectionCardSheet, FilesCarryTheValuesAndTheTitle) {
  const sundial::CorrectionCard card = sundial::MakeCorrectionCard(2026, 13.4050, *sundial::ZoneNamed("Europe/Berlin"));
  const struct {
    paper::SheetLanguage language;
    std::vector<QString> texts;
  } kCases[] = {
      {paper::SheetLanguage::kJapanese,
       {"+9:56", "+11:07", "日時計の補正表", "2026年", "13.4050", "Europe/Berlin", "12月"}},
      {paper::SheetLanguage::kEnglish,
       {"+9:56", "+11:07", "Sundial correction card, 2026", "13.4050", "Europe/Berlin", "Dec"}},
  };
  for (const auto& c : kCases) {
    const QString svg = QString::fromUtf8(paper::EncodeCorrectionCard(card, paper::SheetFormat::kSvg, c.language));
    for (const QString& text : c.texts) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
  }
  const QByteArray pdf = paper::EncodeCorrectionCard(card, paper::SheetFormat::kPdf, paper::SheetLanguage::kJapanese);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
