// SPDX-License-Identifier: MIT
// The noon mark on paper: true size on every paper, the texts on the page, labels
// clear of each other, and a large figure cut into the pages the map announces.
#include "paper/noon_mark_sheet.h"
#include "paper/page_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <optional>
#include <vector>

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
    const paper::NoonMarkSheetOptions options{"Asia/Tokyo", paper::SheetLanguage::kJapanese, c.paper};
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
    const paper::NoonMarkSheetOptions options{"Asia/Tokyo", c.language, paper::PaperSize::kA4};
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
  const paper::NoonMarkSheetOptions options{"Asia/Tokyo", paper::SheetLanguage::kEnglish, paper::PaperSize::kA4};
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

// A wall of any facing, a sloping plate, and a wall the Sun leaves for part of the
// year: the sheet names the plate and which way is right, does not say "every day"
// when it is not so and names the dates without a point, and stays on its page.
TEST(NoonMarkSheet, APlateAndAPartYearSaySo) {
  const struct {
    const char* what;
    double latitude, longitude;
    int offset_hours, clock_minutes;
    std::optional<sundial::PlateOrientation> orientation;
    sundial::Surface surface;
    paper::SheetLanguage language;
    std::vector<QString> in_svg;
    std::vector<QString> not_in_svg;
  } kCases[] = {
      {"Tokyo, wall facing 243.8 at 14:30", 35.6812, 139.7671, 9, 870, {{90, 243.8}}, sundial::Surface::kFloor,
       paper::SheetLanguage::kJapanese, {"毎日", "方位 243.8°", "90.0°", "南東"}, {"影のない日"}},
      {"Berlin, plate tilted 30 facing 200 at 13:00", 52.52, 13.405, 1, 780, {{30, 200}},
       sundial::Surface::kFloor, paper::SheetLanguage::kEnglish,
       {"Plate facing 200.0° (20.0° west of south), tilted 30.0°", "every day", ">E<", "1 mm on the plate"},
       {"No shadow"}},
      {"Berlin, wall facing 300 at 17:00", 52.52, 13.405, 1, 1020, {{90, 300}}, sundial::Surface::kFloor,
       paper::SheetLanguage::kEnglish, {"(not every day)", "No shadow on 110 days", "1 Jan–6 Feb, 20 Oct–31 Dec"},
       {"every day,"}},
      {"Honolulu, south wall at 12:00", 21.3069, -157.8583, -10, 720, std::nullopt,
       sundial::Surface::kWallFacingSouth, paper::SheetLanguage::kJapanese, {"2026年（影", "あり）", "80 日", "5/12–7/30"},
       {"毎日"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    sundial::NoonMarkInput input{{c.latitude, c.longitude}, c.offset_hours * 3600, c.clock_minutes, 2026, 60,
                                 c.surface, sundial::Refraction::kStandard, c.orientation};
    const sundial::NoonMark mark = sundial::MakeNoonMark(input);
    const paper::NoonMarkSheetOptions options{"Somewhere/Zone", c.language, paper::PaperSize::kA4};
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
    // One page, or a drawing of the figure's size.
    const QString svg = QString::fromUtf8(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kSvg));
    for (const QString& text : c.in_svg) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
    for (const QString& text : c.not_in_svg) EXPECT_FALSE(svg.contains(text)) << text.toStdString();
    QSvgRenderer renderer(svg.toUtf8());
    constexpr double kDotsPerMm = 4;
    const QSizeF size_mm = renderer.viewBoxF().size() / paper::kSvgDotsPerMm;
    QImage image(static_cast<int>(size_mm.width() * kDotsPerMm), static_cast<int>(size_mm.height() * kDotsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    EXPECT_FALSE(InkNearTheEdge(image, kDotsPerMm, 7)) << "something drawn within 7 mm of the edge";
  }
}

}  // namespace
