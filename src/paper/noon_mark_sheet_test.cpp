// SPDX-License-Identifier: MIT
// The noon mark on paper as a person reads it: true size on every paper; what the
// sheet is, how to mount it and when to read it, in either language; labels that
// neither overlap nor leave their page, measured in the sheet's own font; and a
// large figure cut into the pages the map announces, none of them printed for
// what others show whole.
#include "paper/noon_mark_sheet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "paper/page_painter.h"
#include "paper/sheet_testing.h"
#include "sundial/noon_mark.h"

namespace {

using paper::testing::InkNearTheEdge;

using paper::PlacedLabel;
using paper::PointMm;
using paper::RectMm;
using paper::SheetLanguage;
using paper::testing::SvgText;

sundial::NoonMark Mark(double latitude, double longitude, int offset_hours, double height_mm,
                       sundial::Surface surface = sundial::Surface::kFloor) {
  return sundial::MakeNoonMark({{latitude, longitude},
                                offset_hours * 3600,
                                12 * 60,
                                2026,
                                height_mm,
                                surface,
                                sundial::Refraction::kStandard});
}

sundial::NoonMark Tokyo(double height_mm) { return Mark(35.6812, 139.7671, 9, height_mm); }

// The mark on a plate facing `facing` at `tilt`, at `clock_minutes`.
sundial::NoonMark PlateMark(double latitude, double longitude, int offset_hours, double height_mm, double tilt,
                            double facing, int clock_minutes) {
  sundial::NoonMarkInput input{{latitude, longitude}, offset_hours * 3600, clock_minutes, 2026, height_mm,
                               sundial::Surface::kFloor, sundial::Refraction::kStandard};
  input.orientation = sundial::PlateOrientation{tilt, facing};
  return sundial::MakeNoonMark(input);
}

paper::NoonMarkSheetOptions Options(SheetLanguage language, const char* zone = "Asia/Tokyo", int summer_seconds = 0,
                                    paper::PaperSize paper_size = paper::PaperSize::kA4) {
  return {zone, summer_seconds, language, paper_size};
}

bool Inside(const RectMm& outer, const RectMm& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
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
    const paper::NoonMarkSheetOptions options = Options(SheetLanguage::kJapanese, "Asia/Tokyo", 0, c.paper);
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
    ASSERT_TRUE(pages.one_page);
    EXPECT_TRUE(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kSvg).contains(c.svg_size));
    EXPECT_TRUE(paper::EncodeNoonMark(mark, pages, options, paper::SheetFormat::kPdf).contains(c.pdf_box));
  }
}

TEST(NoonMarkSheet, SaysWhatItIsHowToMountItAndWhenToReadIt) {
  const sundial::NoonMark tokyo = Tokyo(120);
  const sundial::NoonMark berlin_wall = Mark(52.52, 13.405, 1, 60, sundial::Surface::kWallFacingSouth);
  const struct {
    const char* what;
    const sundial::NoonMark& mark;
    paper::NoonMarkSheetOptions options;
    std::vector<QString> texts;
    std::vector<QString> absent;
  } kCases[] = {
      {"Tokyo ja", tokyo, Options(SheetLanguage::kJapanese),
       {"6/21 夏至", "子午線", "北緯 35.6812°", "Asia/Tokyo（標準時 UTC+09:00、夏時間なし）", "12:00", "120 mm",
        "ノーダス：", "アナレンマ：", "設置：ノーダスの足元をノーダスのちょうど真下に置き", "真北と真南",
        "Asia/Tokyo には夏時間がないので、一年中時計の 12:00 に読みます。"},
       {"夏時間の間"}},
      {"Tokyo en", tokyo, Options(SheetLanguage::kEnglish),
       {"21 Jun solstice", "foot of the nodus", "Latitude 35.6812° N", "zone Asia/Tokyo (standard time UTC+09:00, "
        "no summer time)", "Nodus: ", "Analemma: ", "Mounting: lay the foot of the nodus exactly under the nodus",
        "true north–south", "Asia/Tokyo has no summer time: read it at 12:00 by the clock all year."},
       {"during summer time"}},
      // Berlin has summer time: "no summer time" once read as if it had none.
      {"Berlin wall en", berlin_wall, Options(SheetLanguage::kEnglish, "Europe/Berlin", 3600),
       {"zone Europe/Berlin (standard time UTC+01:00, summer time UTC+02:00)",
        "Mounting: put the foot of the nodus exactly opposite the nodus", "the meridian line plumb",
        "during summer time, read it at 13:00 by the clock."},
       {"no summer time"}},
      {"Berlin wall ja", berlin_wall, Options(SheetLanguage::kJapanese, "Europe/Berlin", 3600),
       {"標準時 UTC+01:00、夏時間 UTC+02:00", "ノーダスの足元をノーダスのちょうど正面", "鉛直",
        "夏時間の間は、時計の 13:00 に読みます。"},
       {"夏時間なし"}},
      // Half an hour of summer time (Lord Howe Island) reads at 12:30.
      {"Lord Howe en", Mark(-31.55, 159.08, 0, 100), Options(SheetLanguage::kEnglish, "Australia/Lord_Howe", 1800),
       {"during summer time, read it at 12:30 by the clock."}, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(c.mark, c.options);
    ASSERT_TRUE(pages.one_page);
    // A wrapped line loses its blank at the break: texts are compared without blanks.
    auto unblanked = [](QString text) { return text.remove(QLatin1Char(' ')); };
    const QString text = unblanked(SvgText(paper::EncodeNoonMark(c.mark, pages, c.options, paper::SheetFormat::kSvg)));
    for (const QString& expected : c.texts) EXPECT_TRUE(text.contains(unblanked(expected))) << expected.toStdString();
    for (const QString& unwanted : c.absent) EXPECT_FALSE(text.contains(unblanked(unwanted))) << unwanted.toStdString();
  }
}

// The labels of every height and language, measured in the sheet's font: none
// overlaps another; on one page each lies in the figure's area of the page; cut
// into pages, each lies whole on a printed page. Before, at 30–60 mm "9/23 秋分"
// lay over "9/1" and "9/11", and on the 1 m sheet "5/1" was cut by a page's edge.
TEST(NoonMarkSheet, LabelsNeitherOverlapNorLeaveTheirPage) {
  constexpr std::size_t kAll = 99;
  const struct {
    const char* what;
    sundial::NoonMark mark;
    paper::PaperSize paper;
    std::size_t least_dates;  // of the days with ticks that are no season's; kAll: every one
  } kCases[] = {
      {"Tokyo 30 mm", Tokyo(30), paper::PaperSize::kA4, 8},
      {"Tokyo 60 mm", Tokyo(60), paper::PaperSize::kA4, 18},
      {"Tokyo 120 mm", Tokyo(120), paper::PaperSize::kA4, 24},
      {"Tokyo 1,000 mm", Tokyo(1000), paper::PaperSize::kA4, kAll},
      {"Sydney wall 400 mm, letter", Mark(-33.87, 151.21, 10, 400, sundial::Surface::kWallFacingNorth),
       paper::PaperSize::kLetter, 24},
      {"50 N floor 2,000 mm, A3", Mark(50, 8, 1, 2000), paper::PaperSize::kA3, kAll},
      {"Tokyo 700 mm", Tokyo(700), paper::PaperSize::kA4, kAll},
      {"Tokyo 1,500 mm, letter", Tokyo(1500), paper::PaperSize::kLetter, kAll},
      {"Berlin wall 1,200 mm", Mark(52.52, 13.405, 1, 1200, sundial::Surface::kWallFacingSouth),
       paper::PaperSize::kA4, kAll},
      // Walls facing other ways and sloping plates, whose figures may be thin.
      {"Tokyo, wall facing 243.8, 60 mm at 13:00", PlateMark(35.6812, 139.7671, 9, 60, 90, 243.8, 13 * 60),
       paper::PaperSize::kA4, 12},
      {"Berlin, plate tilted 30 facing 200, 60 mm at 13:00", PlateMark(52.52, 13.405, 1, 60, 30, 200, 13 * 60),
       paper::PaperSize::kA4, 8},
      {"Berlin, wall facing 300, 60 mm at 17:00", PlateMark(52.52, 13.405, 1, 60, 90, 300, 17 * 60),
       paper::PaperSize::kA4, 8},
  };
  for (const auto& c : kCases) {
    for (const SheetLanguage language : {SheetLanguage::kJapanese, SheetLanguage::kEnglish}) {
      SCOPED_TRACE(std::string(c.what) + (language == SheetLanguage::kJapanese ? " ja" : " en"));
      const paper::NoonMarkPages pages =
          paper::PlanNoonMarkPages(c.mark, Options(language, "Asia/Tokyo", 0, c.paper));
      const std::vector<PlacedLabel>& labels = pages.drawing.labels;
      for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
          EXPECT_FALSE(labels[i].box.Overlaps(labels[j].box)) << labels[i].text << " and " << labels[j].text;
        }
      }
      // The seasons that have a point (all four unless the Sun leaves the surface
      // for part of the year), the foot and the meridian are always named.
      std::size_t seasons = 0;
      std::size_t dates = 0;
      for (const PlacedLabel& label : labels) {
        if (label.bold) ++seasons;
        if (!label.bold && label.text.find_first_of("0123456789") != std::string::npos) ++dates;
      }
      const auto season_points = std::count_if(c.mark.seasons.begin(), c.mark.seasons.end(), [&](const auto& s) {
        return std::any_of(c.mark.days.begin(), c.mark.days.end(),
                           [&](const auto& d) { return d.month == s.month && d.day == s.day; });
      });
      EXPECT_EQ(seasons, static_cast<std::size_t>(season_points));
      const std::size_t meridian = pages.drawing.meridian.size() > 1 ? 1 : 0;  // a plate's may lie off the figure
      EXPECT_EQ(labels.size(), seasons + dates + 1 + meridian) << "the foot and the meridian";
      std::size_t tick_dates = 0;
      for (const auto& day : c.mark.days) {
        const bool season = std::any_of(c.mark.seasons.begin(), c.mark.seasons.end(),
                                        [&](const auto& s) { return s.month == day.month && s.day == day.day; });
        tick_dates += sundial::IsTickDay(day.day) && !season;
      }
      EXPECT_GE(dates, std::min(c.least_dates, tick_dates)) << "of " << tick_dates;
      for (const PlacedLabel& label : labels) {
        if (pages.one_page) {
          const RectMm on_page{label.box.left + pages.page_offset.x, label.box.top + pages.page_offset.y,
                               label.box.width, label.box.height};
          EXPECT_TRUE(Inside(pages.figure_area, on_page)) << label.text;
          continue;
        }
        // Whole on a printed page; cut by no printed page's edge, nor lying across
        // the dashed line where a neighbour's page ends (along which pages are
        // laid over each other).
        const paper::TileGrid& grid = pages.grid;
        auto used = [&](int row, int column) {
          return row >= 0 && column >= 0 && row < grid.rows && column < grid.columns &&
                 grid.used[static_cast<std::size_t>(row * grid.columns + column)];
        };
        const double overlap = grid.first.width - grid.step_x;
        auto across = [](double low, double high, double line) { return low < line && line < high; };
        bool whole = false;
        for (int row = 0; row < grid.rows; ++row) {
          for (int column = 0; column < grid.columns; ++column) {
            if (!used(row, column)) continue;
            const RectMm tile = grid.Tile(row, column);
            const RectMm& box = label.box;
            whole = whole || Inside(tile, box);
            EXPECT_TRUE(!box.Overlaps(tile) || Inside(tile, box))
                << label.text << " is cut by the edge of page " << row + 1 << "-" << column + 1;
            const bool on_dashed_line = (used(row - 1, column) && across(box.top, box.Bottom(), tile.top + overlap)) ||
                                        (used(row + 1, column) && across(box.top, box.Bottom(), tile.Bottom() - overlap)) ||
                                        (used(row, column - 1) && across(box.left, box.Right(), tile.left + overlap)) ||
                                        (used(row, column + 1) && across(box.left, box.Right(), tile.Right() - overlap));
            EXPECT_FALSE(Inside(tile, box) && on_dashed_line)
                << label.text << " lies across a dashed line of page " << row + 1 << "-" << column + 1;
          }
        }
        EXPECT_TRUE(whole) << label.text << " is whole on no printed page";
      }
    }
  }
}

// A printed page shows something no other printed page shows whole: a stretch of
// a line, or a label; or it joins two printed pages of its row. Page 6-2 of the
// 1 m Tokyo set once held only a corner of "9/11", which 6-1 shows whole.
TEST(NoonMarkSheet, NoPrintedPageOnlyRepeatsOthers) {
  const struct {
    const char* what;
    sundial::NoonMark mark;
  } kCases[] = {
      {"Tokyo 1,000 mm", Tokyo(1000)},
      {"Tokyo 700 mm", Tokyo(700)},
      {"50 N floor 2,000 mm", Mark(50, 8, 1, 2000)},
  };
  for (const auto& c : kCases) {
    for (const SheetLanguage language : {SheetLanguage::kJapanese, SheetLanguage::kEnglish}) {
      SCOPED_TRACE(std::string(c.what) + (language == SheetLanguage::kJapanese ? " ja" : " en"));
      const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(c.mark, Options(language));
      ASSERT_FALSE(pages.one_page);
      const paper::TileGrid& grid = pages.grid;
      auto used = [&](int row, int column) {
        return row >= 0 && column >= 0 && row < grid.rows && column < grid.columns &&
               grid.used[static_cast<std::size_t>(row * grid.columns + column)];
      };
      auto in_rect = [](const RectMm& r, PointMm p) {
        return p.x >= r.left && p.x <= r.Right() && p.y >= r.top && p.y <= r.Bottom();
      };
      // The lines, a point every half millimetre.
      std::vector<PointMm> points;
      auto sample = [&](const std::vector<PointMm>& line) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
          const double length = std::hypot(line[i + 1].x - line[i].x, line[i + 1].y - line[i].y);
          const int steps = std::max(1, static_cast<int>(length / 0.5));
          for (int k = 0; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            points.push_back({line[i].x + t * (line[i + 1].x - line[i].x), line[i].y + t * (line[i + 1].y - line[i].y)});
          }
        }
      };
      for (const auto& piece : pages.drawing.curve) sample(piece);
      sample(pages.drawing.meridian);
      for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
          if (!used(row, column)) continue;
          const RectMm tile = grid.Tile(row, column);
          auto elsewhere = [&](auto shown) {
            for (int r = 0; r < grid.rows; ++r) {
              for (int k = 0; k < grid.columns; ++k) {
                if ((r != row || k != column) && used(r, k) && shown(grid.Tile(r, k))) return true;
              }
            }
            return false;
          };
          bool own = false;
          for (const PointMm p : points) {
            if (own) break;
            own = in_rect(tile, p) && !elsewhere([&](const RectMm& other) { return in_rect(other, p); });
          }
          for (const PlacedLabel& label : pages.drawing.labels) {
            if (own) break;
            own = Inside(tile, label.box) &&
                  !elsewhere([&](const RectMm& other) { return Inside(other, label.box); });
          }
          bool joins = false;
          for (int left = 0; left < column; ++left) {
            for (int right = column + 1; right < grid.columns; ++right) joins = joins || (used(row, left) && used(row, right));
          }
          EXPECT_TRUE(own || joins) << "page " << row + 1 << "-" << column + 1 << " only repeats others";
        }
      }
    }
  }
}

TEST(NoonMarkSheet, ALargeFigureIsCutIntoTheMappedPages) {
  const sundial::NoonMark mark = Tokyo(1000);
  const paper::NoonMarkSheetOptions options = Options(SheetLanguage::kEnglish);
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

TEST(NoonMarkSheet, TheMapCountsItsPagesInWords) {
  const struct {
    int rows, columns;
    std::vector<bool> used;
    const char* english;
    bool left_out;
    const char* japanese;
  } kCases[] = {
      {3, 1, {true, true, true}, "on 3 pages (3 rows × 1 column)", false, "3 枚の用紙（3 行 × 1 列）"},
      {1, 2, {true, true}, "on 2 pages (1 row × 2 columns)", false, "2 枚の用紙（1 行 × 2 列）"},
      {2, 2, {true, true, true, false}, "on 3 pages (2 rows × 2 columns; pages outside the figure are left out)",
       true, "3 枚の用紙（2 行 × 2 列、図の外側の用紙は省略）"},
  };
  for (const auto& c : kCases) {
    paper::TileGrid grid = paper::CoverWithTiles({0, 0, 100, 100}, 50, 50, 10);
    grid.rows = c.rows;
    grid.columns = c.columns;
    grid.used = c.used;
    const QString english = paper::MapPageText(grid, SheetLanguage::kEnglish);
    const QString japanese = paper::MapPageText(grid, SheetLanguage::kJapanese);
    EXPECT_TRUE(english.contains(QString::fromUtf8(c.english))) << english.toStdString();
    EXPECT_TRUE(japanese.contains(QString::fromUtf8(c.japanese))) << japanese.toStdString();
    EXPECT_EQ(english.contains("left out"), c.left_out) << c.english;
    EXPECT_EQ(japanese.contains("省略"), c.left_out) << c.japanese;
  }
}

// A wall of any facing, a sloping plate, and a wall the Sun leaves for part of the
// year: the sheet names the plate and which way is right, does not say "every day"
// when it is not so and names the dates without a point, and stays on its page.
TEST(NoonMarkSheet, APlateAndAPartYearSaySo) {
  const struct {
    const char* what;
    sundial::NoonMark mark;
    SheetLanguage language;
    std::vector<QString> texts;
    std::vector<QString> absent;
  } kCases[] = {
      {"Tokyo, wall facing 243.8 at 14:30", PlateMark(35.6812, 139.7671, 9, 60, 90, 243.8, 14 * 60 + 30),
       SheetLanguage::kJapanese,
       {"毎日 14:30", "方位 243.8° を向き水平から 90.0° 傾いた面", "南東", "上向きの矢印を鉛直"},
       {"影のない日"}},
      {"Berlin, plate tilted 30 facing 200 at 13:00", PlateMark(52.52, 13.405, 1, 60, 30, 200, 13 * 60),
       SheetLanguage::kEnglish,
       {"Plate facing 200.0° (20.0° west of south), tilted 30.0°", "every day", "E", "1 mm on the plate",
        "the arrow to the right level"},
       {"No shadow"}},
      {"Berlin, wall facing 300 at 17:00", PlateMark(52.52, 13.405, 1, 60, 90, 300, 17 * 60), SheetLanguage::kEnglish,
       {"(not every day)", "No shadow on 110 days (1 Jan–6 Feb, 20 Oct–31 Dec)"},
       {"every day,"}},
      {"Honolulu, south wall at 12:00", Mark(21.3069, -157.8583, -10, 60, sundial::Surface::kWallFacingSouth),
       SheetLanguage::kJapanese, {"2026年（影のない日あり）", "影のない日：80 日（5/12–7/30）"}, {"毎日 12:00"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::NoonMarkSheetOptions options = Options(c.language, "Somewhere/Zone");
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(c.mark, options);
    // One page, or a drawing of the figure's size.
    const QByteArray svg = paper::EncodeNoonMark(c.mark, pages, options, paper::SheetFormat::kSvg);
    const QString text = SvgText(svg);
    for (const QString& expected : c.texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    for (const QString& unexpected : c.absent) EXPECT_FALSE(text.contains(unexpected)) << unexpected.toStdString();
    QSvgRenderer renderer(svg);
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
