// SPDX-License-Identifier: MIT
// A dial on paper as a person checks it: no label over another, none cut by a page
// edge, the pages the map announces, true size, and notes that say how to mount it.
#include "paper/dial_sheet.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

paper::DialFigure Figure(double latitude, double longitude, int offset_hours, double tilt, double facing,
                         double height_mm, sundial::DialTime time, sundial::DateLineSet dates,
                         std::optional<int> summer = std::nullopt) {
  sundial::Dial dial{};
  dial.place = {latitude, longitude};
  dial.plate = {tilt, facing, height_mm};
  dial.time = time;
  dial.standard_offset_seconds = offset_hours * 3600;
  dial.year = 2026;
  dial.refraction = sundial::Refraction::kStandard;
  dial.max_distance_heights = 3;
  return paper::MakeDialFigure(dial, 30, dates, summer);
}

bool Holds(const paper::RectMm& outer, const paper::RectMm& inner) {
  return inner.left >= outer.left && inner.Right() <= outer.Right() && inner.top >= outer.top &&
         inner.Bottom() <= outer.Bottom();
}

TEST(DialSheet, NoLabelOverlapsAnotherOrIsCutByAPageEdge) {
  using sundial::DateLineSet;
  using sundial::DialTime;
  const struct {
    const char* what;
    paper::DialFigure figure;
  } kCases[] = {
      {"horizontal at 35 N, 25 mm", Figure(35.68, 139.77, 9, 0, 180, 25, DialTime::kStandard, DateLineSet::kSeasons, 60)},
      {"horizontal at 35 N, 120 mm", Figure(35.68, 139.77, 9, 0, 180, 120, DialTime::kStandard, DateLineSet::kZodiac, 60)},
      {"south wall at 50 N", Figure(50, 8, 1, 90, 180, 60, DialTime::kMean, DateLineSet::kSeasons, 60)},
      {"wall facing 220 at 52 N", Figure(52, 0, 0, 90, 220, 80, DialTime::kStandard, DateLineSet::kMonths, 60)},
      {"north wall at 50 N", Figure(50, 8, 1, 90, 0, 60, DialTime::kStandard, DateLineSet::kSeasons)},
      {"floor at 34 S", Figure(-34, 151.2, 10, 0, 180, 70, DialTime::kMean, DateLineSet::kZodiac)},
  };
  for (const auto& c : kCases) {
    for (const auto language : {paper::SheetLanguage::kJapanese, paper::SheetLanguage::kEnglish}) {
      SCOPED_TRACE(std::string(c.what) + (language == paper::SheetLanguage::kJapanese ? ", ja" : ", en"));
      const paper::DialSheetOptions options{"Zone/Name", language, paper::PaperSize::kA4, 3600};
      const paper::DialPages pages = paper::PlanDialPages(c.figure, options);
      const auto& labels = pages.drawing.labels;
      ASSERT_GT(labels.size(), 5u);
      for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
          EXPECT_FALSE(labels[i].placed.box.Overlaps(labels[j].placed.box))
              << labels[i].placed.text << " and " << labels[j].placed.text;
        }
      }
      const paper::RectMm area = paper::FigureArea(paper::PaperMm(options.paper));
      if (pages.pages.one_page) {
        EXPECT_LE(pages.drawing.bounds.width, area.width);
        EXPECT_LE(pages.drawing.bounds.height, area.height);
        continue;
      }
      // Each label whole on some printed page.
      const paper::TileGrid& grid = pages.pages.grid;
      EXPECT_DOUBLE_EQ(grid.first.width, area.width);
      EXPECT_DOUBLE_EQ(grid.first.height, area.height);
      for (const auto& label : labels) {
        bool whole = false;
        for (int row = 0; row < grid.rows; ++row) {
          for (int column = 0; column < grid.columns; ++column) {
            whole = whole || (grid.used[static_cast<std::size_t>(row * grid.columns + column)] &&
                              Holds(grid.Tile(row, column), label.placed.box));
          }
        }
        EXPECT_TRUE(whole) << label.placed.text;
      }
    }
  }
}

TEST(DialSheet, ThePdfHasTheMappedPagesAndTheNotesAtThePapersSize) {
  const struct {
    const char* what;
    double height_mm;
    paper::PaperSize paper;
    const char* pdf_box;
  } kCases[] = {
      {"one page and the notes", 25, paper::PaperSize::kA4, "/MediaBox [0 0 595.000000 842.000000]"},
      {"map, tiles and the notes", 120, paper::PaperSize::kA4, "/MediaBox [0 0 595.000000 842.000000]"},
      {"on A3", 60, paper::PaperSize::kA3, "/MediaBox [0 0 842.000000 1191.000000]"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::DialFigure figure =
        Figure(35.68, 139.77, 9, 0, 180, c.height_mm, sundial::DialTime::kStandard, sundial::DateLineSet::kSeasons);
    const paper::DialSheetOptions options{"Asia/Tokyo", paper::SheetLanguage::kEnglish, c.paper, 0};
    const paper::DialPages pages = paper::PlanDialPages(figure, options);
    const QByteArray pdf = paper::EncodeDial(figure, pages, options, paper::SheetFormat::kPdf);
    const int expected = pages.pages.one_page ? 2 : 2 + pages.pages.grid.UsedCount();
    EXPECT_EQ(pages.pages.page_count, expected);
    EXPECT_EQ(pdf.count("/Type /Page\n"), expected);
    EXPECT_TRUE(pdf.contains(c.pdf_box));
  }
  // An SVG is one drawing at least the paper's size, in millimetres, with the notes.
  const paper::DialFigure figure =
      Figure(35.68, 139.77, 9, 0, 180, 20, sundial::DialTime::kStandard, sundial::DateLineSet::kSeasons);
  const paper::DialSheetOptions options{"Asia/Tokyo", paper::SheetLanguage::kEnglish, paper::PaperSize::kA4, 0};
  ASSERT_TRUE(paper::PlanDialPages(figure, options).pages.one_page);
  const QString svg =
      QString::fromUtf8(paper::EncodeDial(figure, paper::PlanDialPages(figure, options), options, paper::SheetFormat::kSvg));
  EXPECT_TRUE(svg.contains("width=\"210mm\" height=\"297mm\"")) << svg.left(400).toStdString();
  EXPECT_TRUE(svg.contains("Mounting: lay the plate level"));
}

TEST(DialSheet, TheNotesGiveTheStyleTheKeyAndTheMounting) {
  using sundial::DateLineSet;
  using sundial::DialTime;
  const struct {
    const char* what;
    paper::DialFigure figure;
    paper::SheetLanguage language;
    int summer_seconds;
    std::vector<QString> said;
  } kCases[] = {
      {"horizontal at 35 N", Figure(35, 135, 9, 0, 180, 100, DialTime::kStandard, DateLineSet::kSeasons),
       paper::SheetLanguage::kEnglish, 0,
       {"Style height (its angle with the plate) 35.00°", "Substyle distance (from the noon line) 0.00°",
        "lay the plate level", "towards true north", "north celestial pole", "Centre (where the style meets the plate) x 0.0 mm, y -142.8 mm"}},
      {"south wall at 50 N, summer", Figure(50, 8, 1, 90, 180, 100, DialTime::kMean, DateLineSet::kSeasons, 60),
       paper::SheetLanguage::kEnglish, 3600,
       {"Style height (its angle with the plate) 40.00°", "plumb", "the dashed half from June to December",
        "Red numerals are summer time (+1 h)", "standard refraction (Sæmundsson"}},
      {"north wall at 50 N", Figure(50, 8, 1, 90, 0, 100, DialTime::kStandard, DateLineSet::kSeasons),
       paper::SheetLanguage::kEnglish, 0,
       {"Days without lines: 1 Jan to 20 Apr, 22 Aug to 31 Dec", "on the wall facing azimuth 0.0°",
        "straight lines, geometric (no refraction)"}},
      {"floor at 34 S", Figure(-34, 151, 10, 0, 180, 100, DialTime::kStandard, DateLineSet::kSeasons),
       paper::SheetLanguage::kJapanese, 0,
       {"指時針の高さ（盤面との角）34.00°", "天の南極", "水平"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::DialSheetOptions options{"Zone/Name", c.language, paper::PaperSize::kA4, c.summer_seconds};
    QString notes;
    for (const QString& note : paper::DialNotes(c.figure, options)) notes += note + "\n";
    for (const QString& text : c.said) EXPECT_TRUE(notes.contains(text)) << text.toStdString() << "\n" << notes.toStdString();
  }
}

}  // namespace
