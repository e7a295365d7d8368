// SPDX-License-Identifier: MIT
// The card as files: the values of the days are on the page as text, and the
// title names place, zone and year, in either language.
#include "paper/correction_card_sheet.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
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

// Whether any dot within `band_mm` of the image's edges is not white.
bool InkNearTheEdge(const QImage& image, double dots_per_mm, double band_mm) {
  const int band = static_cast<int>(band_mm * dots_per_mm);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool near = x < band || y < band || x >= image.width() - band || y >= image.height() - band;
      if (near && (image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) return true;
    }
  }
  return false;
}

// Each kind of card says which it is, and its accuracy; its longest lines stay on
// the page.
TEST(CorrectionCardSheet, TheCardSaysWhichKindItIsAndNothingIsCut) {
  const QTimeZone berlin = *sundial::ZoneNamed("Europe/Berlin");
  const struct {
    int year;
    sundial::CardKind kind;
    paper::SheetLanguage language;
    std::vector<QString> texts;
  } kCases[] = {
      {2026, {true, 1}, paper::SheetLanguage::kEnglish,
       {"Kind: longitude and equation of time", "in 1700–2200 the values lie within 5.3 s", "1.3 s RMS", "Sundial correction card, 2026"}},
      {2026, {false, 1}, paper::SheetLanguage::kEnglish,
       {"Kind: equation of time alone", "each value is −E then"}},
      {2026, {false, 8}, paper::SheetLanguage::kEnglish,
       {"Sundial correction card, 2026–2033", "the mean of 2026–2033 (8 years), at most", "Lightly shaded"}},
      {2026, {true, 4}, paper::SheetLanguage::kJapanese,
       {"2026–2029", "年間", "平均", "最大", "薄", "5.3"}},
      {1500, {true, 1}, paper::SheetLanguage::kEnglish, {"outside those years the difference grows"}},
  };
  for (const auto& c : kCases) {
    const sundial::CorrectionCard card = sundial::MakeCorrectionCard(c.year, 13.4050, berlin, c.kind);
    const QString svg = QString::fromUtf8(paper::EncodeCorrectionCard(card, paper::SheetFormat::kSvg, c.language));
    for (const QString& text : c.texts) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
    constexpr double kDotsPerMm = 4;
    QImage image(210 * 4, 297 * 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paper::DrawCorrectionCard(painter, card, c.language, kDotsPerMm);
    painter.end();
    // The margins are 15 mm; the version line below the notes comes nearest, 6 mm from the edge.
    EXPECT_FALSE(InkNearTheEdge(image, kDotsPerMm, 5)) << c.texts[0].toStdString() << ": a line runs off the page";
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
