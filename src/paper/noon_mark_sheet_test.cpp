// SPDX-License-Identifier: MIT
// The noon mark on paper: true size on every paper, the texts on the page, labels
// clear of each other, and a large figure cut into the pages the map announces.
#include "paper/noon_mark_sheet.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

namespace {

sundial::NoonMark Tokyo(double height_mm) {
  return sundial::MakeNoonMark({{35.6812, 139.7671},
                                9 * 3600,
                                12 * 60,
                                2026,
                                height_mm,
                                sundial::Surface::kFloor,
                                sundial::Refraction::kStandard});
}

TEST(NoonMarkSheet, PagesAreTheirPapersTrueSize) {
  const struct {
    paper::PaperSize paper;
    const char* svg_size;  // 10 user units a millimetre
    const char* pdf_box;   // points
  } kCases[] = {
      {paper::PaperSize::kA4, "width=\"210mm\" height=\"297mm\"\n viewBox=\"0 0 2100 2970\"",
       "/MediaBox [0 0 595.000000 842.000000]"},
      {paper::PaperSize::kA3, "width=\"297mm\" height=\"420mm\"\n viewBox=\"0 0 2970 4200\"",
       "/MediaBox [0 0 842.000000 1191.000000]"},
      {paper::PaperSize::kLetter, "width=\"215.9mm\" height=\"279.4mm\"\n viewBox=\"0 0 2159 2794\"",
       "/MediaBox [0 0 612.000000 792.000000]"},
  };
  const sundial::NoonMark mark = Tokyo(100);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.svg_size);
    const paper::NoonMarkSheetOptions options{"Asia/Tokyo", 0, paper::SheetLanguage::kJapanese, c.paper};
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
    ASSERT_TRUE(pages.one_page);
    EXPECT_TRUE(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kSvg).contains(c.svg_size));
    EXPECT_TRUE(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kPdf).contains(c.pdf_box));
  }
}

TEST(NoonMarkSheet, TheTextsAreOnThePageAndTheLabelsClearOfEachOther) {
  const sundial::NoonMark mark = Tokyo(120);
  // The SVG writes a text in runs of one script: "ノーダス" and "の" apart.
  const struct {
    paper::SheetLanguage language;
    std::vector<QString> in_svg;
    std::vector<std::string> labels;
  } kCases[] = {
      {paper::SheetLanguage::kJapanese,
       {"夏至", "子午線", "北緯", "Asia/Tokyo", "UTC+09:00", "12:00", "120"},
       {"6/21 夏至", "12/22 冬至", "3/20 春分", "9/23 秋分", "1/11", "ノーダスの足元（真下）"}},
      {paper::SheetLanguage::kEnglish,
       {"21 Jun solstice", "foot of the nodus", "meridian", "Latitude 35.6812° N"},
       {"20 Mar equinox", "11 Jan"}},
  };
  for (const auto& c : kCases) {
    const paper::NoonMarkSheetOptions options{"Asia/Tokyo", 0, c.language, paper::PaperSize::kA4};
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
    const QString svg = QString::fromUtf8(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kSvg));
    for (const QString& text : c.in_svg) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
    for (const std::string& text : c.labels) {
      EXPECT_TRUE(std::any_of(pages.drawing.labels.begin(), pages.drawing.labels.end(), [&](const auto& label) {
        return label.text == text;
      })) << text;
    }
    const auto& labels = pages.drawing.labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        EXPECT_FALSE(labels[i].box.Overlaps(labels[j].box)) << labels[i].text << " and " << labels[j].text;
      }
    }
  }
}

TEST(NoonMarkSheet, ALargeFigureIsCutIntoTheMappedPages) {
  const sundial::NoonMark mark = Tokyo(1000);
  const paper::NoonMarkSheetOptions options{"Asia/Tokyo", 0, paper::SheetLanguage::kEnglish, paper::PaperSize::kA4};
  const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
  ASSERT_FALSE(pages.one_page);
  // The figure runs 1.7 m north from the foot and 0.25 m wide: 8 rows of 235 mm, 2 columns.
  EXPECT_EQ(pages.grid.rows, 8);
  EXPECT_EQ(pages.grid.columns, 2);
  EXPECT_EQ(pages.page_count, 1 + pages.grid.UsedCount());
  EXPECT_LT(pages.grid.UsedCount(), pages.grid.rows * pages.grid.columns) << "empty pages are left out";
  const QByteArray pdf = paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kPdf);
  EXPECT_EQ(pdf.count("/Type /Page\n"), pages.page_count);
  EXPECT_TRUE(pdf.contains("/Count " + QByteArray::number(pages.page_count)));
}

}  // namespace
