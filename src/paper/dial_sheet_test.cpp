// SPDX-License-Identifier: MIT
// A dial on paper as a person checks it: every numeral and date line named, no
// label over another or over the foot's cross, none cut by a page's edge or lying
// across the line where pages are laid over each other, no page printed only for
// what others show, the pages the map announces, true size, and notes that say how
// to mount it.
#include "paper/dial_sheet.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>

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

bool Printed(const paper::TileGrid& grid, int row, int column) {
  return row >= 0 && column >= 0 && row < grid.rows && column < grid.columns &&
         grid.used[static_cast<std::size_t>(row * grid.columns + column)];
}

// Sheets cut into pages on A4, in both languages, at the sizes a maker prints.
struct Case {
  const char* what;
  paper::DialFigure figure;
};
std::vector<Case> Cases() {
  using sundial::DateLineSet;
  using sundial::DialTime;
  return {
      {"horizontal at 35 N, 25 mm", Figure(35.68, 139.77, 9, 0, 180, 25, DialTime::kStandard, DateLineSet::kSeasons, 60)},
      {"horizontal at 35 N, 120 mm", Figure(35.68, 139.77, 9, 0, 180, 120, DialTime::kStandard, DateLineSet::kZodiac, 60)},
      {"south wall at 50 N", Figure(50, 8, 1, 90, 180, 60, DialTime::kMean, DateLineSet::kSeasons, 60)},
      {"wall facing 220 at 52 N", Figure(52, 0, 0, 90, 220, 80, DialTime::kStandard, DateLineSet::kMonths, 60)},
      {"north wall at 50 N", Figure(50, 8, 1, 90, 0, 60, DialTime::kStandard, DateLineSet::kSeasons)},
      {"floor at 34 S", Figure(-34, 151.2, 10, 0, 180, 70, DialTime::kMean, DateLineSet::kZodiac)},
      // Pages that only repeat an edge of the plate or a label their neighbour shows:
      // 4 of 24 and 3 of 20.
      {"horizontal at 50 N, 170 mm", Figure(50, 8, 1, 0, 180, 170, DialTime::kStandard, DateLineSet::kSeasons, 60)},
      {"south wall at 50 N, 150 mm", Figure(50, 8, 1, 90, 180, 150, DialTime::kStandard, DateLineSet::kSeasons, 60)},
      // The 6 o'clock line ends inside the foot's cross, the labels crowd round it.
      {"wall facing 100 at 34 S, 40 mm", Figure(-34, 10, 1, 90, 100, 40, DialTime::kStandard, DateLineSet::kZodiac, 60)},
  };
}

// Before, the labels were placed as if on one sheet and a label a page's edge cut
// was pushed into a page, over whatever lay there; the foot's name could lie over
// the arms of its cross.
TEST(DialSheet, EveryLabelIsThereAloneAndWholeOnAPrintedPage) {
  int tiled = 0;
  for (const Case& c : Cases()) {
    for (const auto language : {paper::SheetLanguage::kJapanese, paper::SheetLanguage::kEnglish}) {
      SCOPED_TRACE(std::string(c.what) + (language == paper::SheetLanguage::kJapanese ? ", ja" : ", en"));
      const paper::DialSheetOptions options{"Zone/Name", language, paper::PaperSize::kA4, 3600};
      const paper::DialPages pages = paper::PlanDialPages(c.figure, options);
      const auto& labels = pages.drawing.labels;
      // Each whole hour has its numerals, each date line its name: none gave way.
      std::size_t numerals = 0;
      std::size_t dates = 0;
      for (const auto& line : c.figure.hour_lines) {
        const bool drawn = !line.points.empty() || !line.december_to_june.empty() || !line.june_to_december.empty();
        if (line.whole_hour && drawn) numerals += line.summer_minutes ? 2 : 1;
      }
      for (const auto& line : c.figure.date_lines) dates += !line.runs.empty() && !line.runs.front().empty();
      auto count = [&](auto kind) {
        return static_cast<std::size_t>(
            std::count_if(labels.begin(), labels.end(), [&](const paper::DialLabel& label) { return kind(label.kind); }));
      };
      EXPECT_EQ(count([](auto kind) { return kind == paper::DialLabelKind::kNumeral || kind == paper::DialLabelKind::kSummerNumeral; }),
                numerals);
      EXPECT_EQ(count([](auto kind) { return kind == paper::DialLabelKind::kDate; }), dates);
      const paper::DialWords words = paper::DialWordsFor(language);
      for (const std::string& name : {words.foot, words.gnomon}) {
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](const paper::DialLabel& label) { return label.placed.text == name; }))
            << name;
      }
      const paper::RectMm foot_cross{-4, -4, 8, 8};
      for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_FALSE(labels[i].placed.box.Overlaps(foot_cross)) << labels[i].placed.text;
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
      ++tiled;
      // Whole on a printed page; cut by no printed page's edge, across no dashed
      // line where a printed neighbour's page ends, over no + mark.
      const paper::TileGrid& grid = pages.pages.grid;
      EXPECT_DOUBLE_EQ(grid.first.width, area.width);
      EXPECT_DOUBLE_EQ(grid.first.height, area.height);
      const double overlap = paper::kTileOverlapMm;
      auto across = [](double low, double high, double line) { return low < line && line < high; };
      for (const auto& label : labels) {
        const paper::RectMm& box = label.placed.box;
        bool whole = false;
        for (int row = 0; row < grid.rows; ++row) {
          for (int column = 0; column < grid.columns; ++column) {
            if (!Printed(grid, row, column)) continue;
            const paper::RectMm tile = grid.Tile(row, column);
            whole = whole || Holds(tile, box);
            EXPECT_TRUE(!box.Overlaps(tile) || Holds(tile, box))
                << label.placed.text << " is cut by the edge of page " << row + 1 << "-" << column + 1;
            const paper::Sides sides{Printed(grid, row - 1, column), Printed(grid, row + 1, column),
                                     Printed(grid, row, column - 1), Printed(grid, row, column + 1)};
            const bool on_dashed_line = (sides.above && across(box.top, box.Bottom(), tile.top + overlap)) ||
                                        (sides.below && across(box.top, box.Bottom(), tile.Bottom() - overlap)) ||
                                        (sides.left && across(box.left, box.Right(), tile.left + overlap)) ||
                                        (sides.right && across(box.left, box.Right(), tile.Right() - overlap));
            EXPECT_FALSE(Holds(tile, box) && on_dashed_line)
                << label.placed.text << " lies across a dashed line of page " << row + 1 << "-" << column + 1;
            for (const paper::PointMm mark : paper::AlignmentMarks(tile, overlap, sides)) {
              const paper::RectMm cross{mark.x - paper::kAlignMarkHalfMm, mark.y - paper::kAlignMarkHalfMm,
                                        2 * paper::kAlignMarkHalfMm, 2 * paper::kAlignMarkHalfMm};
              EXPECT_FALSE(box.Overlaps(cross)) << label.placed.text << " lies over a + mark of page " << row + 1
                                                << "-" << column + 1;
            }
          }
        }
        EXPECT_TRUE(whole) << label.placed.text << " is whole on no printed page";
      }
    }
  }
  EXPECT_GE(tiled, 10) << "the sheets cut into pages";
}

// A printed page shows a stretch of a line or a label that no other printed page
// shows whole, or it joins two printed pages of its row.
TEST(DialSheet, NoPrintedPageOnlyRepeatsOthers) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    const paper::DialSheetOptions options{"Zone/Name", paper::SheetLanguage::kEnglish, paper::PaperSize::kA4, 3600};
    const paper::DialPages pages = paper::PlanDialPages(c.figure, options);
    if (pages.pages.one_page) continue;
    const paper::TileGrid& grid = pages.pages.grid;
    auto in_rect = [](const paper::RectMm& r, paper::PointMm p) {
      return p.x >= r.left && p.x <= r.Right() && p.y >= r.top && p.y <= r.Bottom();
    };
    // The lines, a point every half millimetre.
    std::vector<paper::PointMm> points;
    for (const auto& path : pages.drawing.paths) {
      for (std::size_t i = 0; i + 1 < path.points.size(); ++i) {
        const paper::PointMm a = path.points[i];
        const paper::PointMm b = path.points[i + 1];
        const int steps = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 0.5));
        for (int k = 0; k <= steps; ++k) {
          const double t = static_cast<double>(k) / steps;
          points.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
      }
    }
    for (int row = 0; row < grid.rows; ++row) {
      for (int column = 0; column < grid.columns; ++column) {
        if (!Printed(grid, row, column)) continue;
        const paper::RectMm tile = grid.Tile(row, column);
        auto elsewhere = [&](auto shown) {
          for (int r = 0; r < grid.rows; ++r) {
            for (int k = 0; k < grid.columns; ++k) {
              if ((r != row || k != column) && Printed(grid, r, k) && shown(grid.Tile(r, k))) return true;
            }
          }
          return false;
        };
        bool own = std::any_of(points.begin(), points.end(), [&](paper::PointMm p) {
          return in_rect(tile, p) && !elsewhere([&](const paper::RectMm& other) { return in_rect(other, p); });
        });
        for (const auto& label : pages.drawing.labels) {
          own = own || (Holds(tile, label.placed.box) &&
                        !elsewhere([&](const paper::RectMm& other) { return Holds(other, label.placed.box); }));
        }
        bool joins = false;
        for (int left = 0; left < column; ++left) {
          for (int right = column + 1; right < grid.columns; ++right) {
            joins = joins || (Printed(grid, row, left) && Printed(grid, row, right));
          }
        }
        EXPECT_TRUE(own || joins) << "page " << row + 1 << "-" << column + 1 << " only repeats others";
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
        "Red numerals are summer time (+1 hour)", "standard refraction (Sæmundsson"}},
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
