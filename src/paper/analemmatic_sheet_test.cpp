// SPDX-License-Identifier: MIT
// The analemmatic dial's page as a person would check it: the paper's size,
// nothing cut by its edges, the plan at the largest round scale that fits and
// that scale printed, the texts in either language.
#include "paper/analemmatic_sheet.h"
#include "paper/sheet_testing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace {

using paper::testing::InkNearTheEdge;

struct Place {
  const char* name;
  double latitude;
  double longitude;
  int offset_hours;
  int summer_seconds;
};

const Place kPlaces[] = {
    {"Asia/Tokyo", 35.6812, 139.7671, 9, 0},
    {"Europe/Berlin", 52.52, 13.405, 1, 3600},
    {"Australia/Sydney", -33.8688, 151.2093, 10, 3600},
    {"Europe/Helsinki", 65, 25.47, 2, 3600},
    {"America/Costa_Rica", 10, -84, -6, 0},
};

sundial::AnalemmaticInput InputAt(const Place& place, double size_m) {
  return {{place.latitude, place.longitude}, place.offset_hours * 3600, size_m, 2026};
}

paper::AnalemmaticSheetOptions Options(const Place& place, paper::SheetLanguage language, paper::PaperSize paper,
                                       std::optional<long> scale = std::nullopt) {
  return {place.name, language, paper, place.summer_seconds, place.summer_seconds != 0, scale};
}

TEST(AnalemmaticSheet, ThePageIsThePaperAndNothingIsCutByItsEdge) {
  const struct {
    paper::PaperSize paper;
    int width_mm, height_mm;  // to the nearest mm
    const char* pdf_box;
  } kPapers[] = {{paper::PaperSize::kA4, 210, 297, "/MediaBox [0 0 595.000000 842.000000]"},
                 {paper::PaperSize::kA3, 297, 420, "/MediaBox [0 0 842.000000 1191.000000]"},
                 {paper::PaperSize::kLetter, 216, 279, "/MediaBox [0 0 612.000000 792.000000]"}};
  constexpr double kDotsPerMm = 4;
  for (const auto& p : kPapers) {
    for (const Place& place : kPlaces) {
      for (const auto language : {paper::SheetLanguage::kJapanese, paper::SheetLanguage::kEnglish}) {
        SCOPED_TRACE(std::string(place.name) + (language == paper::SheetLanguage::kEnglish ? " en " : " ja ") +
                     std::to_string(p.width_mm));
        const auto input = InputAt(place, 3);
        const auto dial = sundial::MakeAnalemmaticDial(input);
        const auto options = Options(place, language, p.paper);
        const paper::AnalemmaticPage page = paper::PlanAnalemmaticPage(dial, input, options);
        ASSERT_TRUE(page.fits);
        // The plan takes most of the page, under the header.
        EXPECT_GE(page.plan_area.top, 25);
        EXPECT_GE(page.plan_area.height, p.height_mm / 2.0);
        QImage image(static_cast<int>(p.width_mm * kDotsPerMm), static_cast<int>(p.height_mm * kDotsPerMm),
                     QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        paper::DrawAnalemmaticPage(painter, dial, input, page, options, kDotsPerMm);
        painter.end();
        EXPECT_FALSE(InkNearTheEdge(image, kDotsPerMm, 7)) << "something drawn within 7 mm of the edge";
        if (language == paper::SheetLanguage::kJapanese) {
          EXPECT_TRUE(paper::EncodeAnalemmaticPage(dial, input, page, options, paper::SheetFormat::kPdf)
                          .contains(p.pdf_box));
          const QByteArray svg = paper::EncodeAnalemmaticPage(dial, input, page, options, paper::SheetFormat::kSvg);
          EXPECT_TRUE(svg.contains("height=\"" + QByteArray::number(p.height_mm) + "mm\"") ||
                      svg.contains("height=\"279.4mm\""));
        }
      }
    }
  }
}

TEST(AnalemmaticSheet, TheScaleIsTheLargestRoundOneThatFits) {
  const std::vector<long> scales = paper::RoundScaleDenominators();
  const struct {
    double size_m;
    paper::PaperSize paper;
  } kCases[] = {{3, paper::PaperSize::kA4}, {3, paper::PaperSize::kA3}, {1, paper::PaperSize::kA4},
                {12.5, paper::PaperSize::kA4}, {0.2, paper::PaperSize::kLetter}};
  for (const auto& c : kCases) {
    for (const Place& place : kPlaces) {
      SCOPED_TRACE(std::string(place.name) + " " + std::to_string(c.size_m));
      const auto input = InputAt(place, c.size_m);
      const auto dial = sundial::MakeAnalemmaticDial(input);
      const paper::AnalemmaticPage page =
          paper::PlanAnalemmaticPage(dial, input, Options(place, paper::SheetLanguage::kEnglish, c.paper));
      ASSERT_TRUE(page.fits);
      const long scale = page.drawing.scale_denominator;
      const auto at = std::find(scales.begin(), scales.end(), scale);
      ASSERT_NE(at, scales.end()) << scale << " is no round scale";
      if (at != scales.begin()) {
        const paper::AnalemmaticPage larger = paper::PlanAnalemmaticPage(
            dial, input, Options(place, paper::SheetLanguage::kEnglish, c.paper, *(at - 1)));
        EXPECT_FALSE(larger.fits) << "1:" << *(at - 1) << " would fit too";
      }
      // The width of the plan on paper is the dial's at that scale.
      EXPECT_GE(page.drawing.bounds.width, 2 * c.size_m * 1000 / static_cast<double>(scale));
      const QString svg = QString::fromUtf8(paper::EncodeAnalemmaticPage(
          dial, input, page, Options(place, paper::SheetLanguage::kEnglish, c.paper), paper::SheetFormat::kSvg));
      EXPECT_TRUE(svg.contains(QStringLiteral("1:%1").arg(scale))) << "the scale is printed";
    }
  }
  // A scale named too large does not fit, and says so.
  const auto input = InputAt(kPlaces[0], 3);
  EXPECT_FALSE(paper::PlanAnalemmaticPage(sundial::MakeAnalemmaticDial(input), input,
                                          Options(kPlaces[0], paper::SheetLanguage::kEnglish, paper::PaperSize::kA4, 20))
                   .fits);
}

TEST(AnalemmaticSheet, TheTextsAreOnThePageInEitherLanguage) {
  // The SVG writes a text in runs of one script.
  const struct {
    const Place& place;
    paper::SheetLanguage language;
    std::vector<QString> texts;
  } kCases[] = {
      {kPlaces[0], paper::SheetLanguage::kJapanese,
       {"アナレンマ日時計", "2026", "Asia/Tokyo", "UTC+09:00", "方：中央", "今日", "1:40", "焦点", "夏至", "加",
        "+3:23", "−16:27"}},
      {kPlaces[1], paper::SheetLanguage::kEnglish,
       {"Analemmatic sundial", "Europe/Berlin", "UTC+02:00", "stand on today's date", "your shadow points to the time",
        "red numerals", "equation of time", "Jun solstice", "add", "Scale 1:", "focus"}},
  };
  for (const auto& c : kCases) {
    const auto input = InputAt(c.place, 3);
    const auto dial = sundial::MakeAnalemmaticDial(input);
    const auto options = Options(c.place, c.language, paper::PaperSize::kA4);
    const QString svg = QString::fromUtf8(paper::EncodeAnalemmaticPage(
        dial, input, paper::PlanAnalemmaticPage(dial, input, options), options, paper::SheetFormat::kSvg));
    for (const QString& text : c.texts) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
  }
}

}  // namespace
