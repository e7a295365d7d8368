// SPDX-License-Identifier: MIT
// A dial as drawn: its gnomon's template is the style's triangle at true size, each
// whole hour has its numeral at its line's outer end, and the plate holds the lines
// and their labels.
#include "sheet_layout/dial_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/core/testing/scoped_locale.h"

namespace {

paper::DialFigure Figure(double latitude, double longitude, int offset_hours, double tilt, double facing,
                         sundial::DialTime time = sundial::DialTime::kStandard,
                         sundial::DateLineSet dates = sundial::DateLineSet::kSeasons,
                         std::optional<int> summer = std::nullopt) {
  sundial::Dial dial{};
  dial.place = {latitude, longitude};
  dial.plate = {tilt, facing, 100};
  dial.time = time;
  dial.standard_offset_seconds = offset_hours * 3600;
  dial.year = 2026;
  dial.refraction = sundial::Refraction::kStandard;
  dial.max_distance_heights = 3;
  return paper::MakeDialFigure(dial, 60, dates, summer);
}

// Text 1.6 mm a character and 3 mm high: wide enough to crowd the labels.
const paper::MeasureText kMeasure = [](const std::string& text, bool) {
  return std::pair{1.6 * static_cast<double>(text.size()), 3.0};
};

paper::RectMm BoxAround(const std::vector<paper::PointMm>& points) {
  paper::RectMm box{points.front().x, points.front().y, 0, 0};
  for (const auto p : points) box = box.United({p.x, p.y, 0, 0});
  return box;
}

const paper::DialPath& Gnomon(const paper::DialDrawing& drawing) {
  for (const auto& path : drawing.paths) {
    if (path.stroke == paper::DialStroke::kGnomon) return path;
  }
  throw std::logic_error("no gnomon");
}

TEST(DialLayout, TheGnomonTemplateIsTheStyleTriangleAtTrueSize) {
  const struct {
    const char* what;
    double latitude, tilt, facing;
    double style_height;  // degrees
    std::size_t corners;  // 3 a triangle, 4 cut short at the plate's size
  } kCases[] = {
      {"horizontal at 35 N", 35, 0, 180, 35, 3},
      {"south wall at 50 N", 50, 90, 180, 40, 3},
      {"wall facing 220 at 52 N", 52, 90, 220, std::asin(std::cos(52 * std::numbers::pi / 180) *
                                                          std::cos(40 * std::numbers::pi / 180)) * 180 / std::numbers::pi,
       3},
      // Tilted 48 degrees facing south at 50 N: the style 2 degrees off the plate,
      // its centre 2.9 m away, cut off at the plate's size.
      {"nearly polar at 50 N", 50, 48, 180, 2, 4},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::DialFigure figure = Figure(c.latitude, 0, 0, c.tilt, c.facing);
    ASSERT_NEAR(figure.style.style_height_degrees, c.style_height, 1e-6);
    const paper::DialDrawing drawing = paper::LayOutDial(figure, paper::SheetLanguage::kEnglish, kMeasure);
    EXPECT_TRUE(std::any_of(drawing.labels.begin(), drawing.labels.end(), [](const paper::DialLabel& label) {
      return label.placed.text == "nodus height 100 mm";
    }));
    std::vector<paper::PointMm> corners = Gnomon(drawing).points;
    ASSERT_EQ(corners.size(), c.corners + 1);
    EXPECT_DOUBLE_EQ(corners.front().x, corners.back().x) << "the outline closes";
    // The base along the substyle, the foot's corner square, the nodus 100 mm above it.
    const paper::PointMm start = corners[0], foot = corners[1], nodus = corners[2];
    EXPECT_NEAR(start.y, foot.y, 1e-9);
    EXPECT_NEAR(foot.x, nodus.x, 1e-9);
    EXPECT_NEAR(foot.y - nodus.y, 100, 1e-9);
    ASSERT_TRUE(drawing.nodus);
    EXPECT_NEAR(drawing.nodus->y, nodus.y, 1e-9);
    // The style edge rises at the style height towards the nodus.
    const paper::PointMm low = c.corners == 3 ? start : corners[3];
    EXPECT_NEAR(std::atan2(low.y - nodus.y, nodus.x - low.x) * 180 / std::numbers::pi, c.style_height, 1e-6);
    if (c.corners == 3) {
      EXPECT_NEAR(foot.x - start.x, *figure.style.centre_distance_mm, 1e-6);
    } else {
      EXPECT_LT(foot.x - start.x, *figure.style.centre_distance_mm);
    }
  }
}

TEST(DialLayout, AStyleSquareToThePlateIsARodOnTheFoot) {
  // Tilted 40 degrees facing north at 50 N: the plate lies in the equator's plane.
  const paper::DialFigure figure = Figure(50, 0, 0, 40, 0, sundial::DialTime::kApparent);
  ASSERT_NEAR(figure.style.style_height_degrees, 90, 1e-6);
  const paper::DialDrawing drawing = paper::LayOutDial(figure, paper::SheetLanguage::kEnglish, kMeasure);
  const paper::RectMm rod{Gnomon(drawing).points[0].x, Gnomon(drawing).points[0].y, 0, 0};
  paper::RectMm box = rod;
  for (const auto p : Gnomon(drawing).points) box = box.United({p.x, p.y, 0, 0});
  EXPECT_NEAR(box.height, 100, 1e-9);
  EXPECT_NEAR(box.width, 3, 1e-9);
}

TEST(DialLayout, EachWholeHourIsNumberedAtItsLinesOuterEnd) {
  const struct {
    const char* what;
    paper::DialFigure figure;
  } kCases[] = {
      {"horizontal at 35 N, straight", Figure(35, 135, 9, 0, 180, sundial::DialTime::kStandard,
                                             sundial::DateLineSet::kSeasons, 60)},
      {"south wall at 50 N, figures of eight", Figure(50, 10, 1, 90, 180, sundial::DialTime::kMean,
                                                      sundial::DateLineSet::kNone, 60)},
      // Lord Howe Island's summer time is half an hour.
      {"floor at 31.5 S, half an hour of summer", Figure(-31.5, 159.1, 10, 0, 180, sundial::DialTime::kStandard,
                                                         sundial::DateLineSet::kSeasons, 30)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::DialDrawing drawing = paper::LayOutDial(c.figure, paper::SheetLanguage::kEnglish, kMeasure);
    const paper::PointMm centre{c.figure.style.centre->x_mm, -c.figure.style.centre->y_mm};
    int numbered = 0;
    for (const sundial::HourLine& line : c.figure.hour_lines) {
      std::vector<paper::PointMm> points;
      for (const auto& p : line.points) points.push_back({p.point.x_mm, -p.point.y_mm});
      for (const auto* half : {&line.december_to_june, &line.june_to_december}) {
        for (const auto& run : *half) {
          for (const auto& day : run) points.push_back({day.point.x_mm, -day.point.y_mm});
        }
      }
      if (points.empty()) continue;
      const std::string hour = std::to_string(line.minutes / 60);
      const int summer_minutes = *line.summer_minutes;
      const std::string summer = std::to_string(summer_minutes / 60) +
                                 (summer_minutes % 60 ? ":" + std::to_string(summer_minutes % 60) : "");
      const paper::DialLabel* numeral = nullptr;
      const paper::DialLabel* summer_numeral = nullptr;
      for (const auto& label : drawing.labels) {
        if (label.kind == paper::DialLabelKind::kNumeral && label.placed.text == hour) numeral = &label;
        if (label.kind == paper::DialLabelKind::kSummerNumeral && label.placed.text == summer) summer_numeral = &label;
      }
      ASSERT_NE(numeral, nullptr) << hour;
      ASSERT_NE(summer_numeral, nullptr) << summer;
      ++numbered;
      // Its anchor is the line's point farthest from the centre.
      double farthest = 0;
      for (const auto p : points) farthest = std::max(farthest, std::hypot(p.x - centre.x, p.y - centre.y));
      const paper::PointMm a = numeral->placed.anchor;
      EXPECT_NEAR(std::hypot(a.x - centre.x, a.y - centre.y), farthest, 1e-9) << hour;
      // And the numeral stands within 15 mm of it.
      const paper::PointMm end = paper::LeaderEnd(numeral->placed);
      EXPECT_LT(std::hypot(end.x - a.x, end.y - a.y), 15) << hour;
    }
    EXPECT_GE(numbered, 9);
  }
}

TEST(DialLayout, ThePlateHoldsEveryLineAndLabel) {
  const struct {
    const char* what;
    paper::DialFigure figure;
  } kCases[] = {
      {"horizontal at 35 N", Figure(35, 135, 9, 0, 180, sundial::DialTime::kStandard, sundial::DateLineSet::kZodiac)},
      {"south wall at 50 N", Figure(50, 10, 1, 90, 180, sundial::DialTime::kMean, sundial::DateLineSet::kMonths)},
      {"wall facing 220 at 52 N", Figure(52, 0, 0, 90, 220)},
      {"north wall at 50 N", Figure(50, 10, 1, 90, 0)},
      {"floor at 34 S", Figure(-34, 151, 10, 0, 180, sundial::DialTime::kApparent, sundial::DateLineSet::kMonths)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const paper::DialDrawing drawing = paper::LayOutDial(c.figure, paper::SheetLanguage::kJapanese, kMeasure);
    const paper::RectMm& plate = drawing.plate;
    auto inside = [&](const paper::RectMm& box, const paper::RectMm& r) {
      return r.left >= box.left - 1e-9 && r.Right() <= box.Right() + 1e-9 && r.top >= box.top - 1e-9 &&
             r.Bottom() <= box.Bottom() + 1e-9;
    };
    for (const auto& path : drawing.paths) {
      if (path.stroke == paper::DialStroke::kGnomon || path.stroke == paper::DialStroke::kKey) continue;
      for (const auto p : path.points) EXPECT_TRUE(inside(plate, {p.x, p.y, 0, 0})) << static_cast<int>(path.stroke);
    }
    for (const auto& label : drawing.labels) {
      EXPECT_TRUE(inside(drawing.bounds, label.placed.box)) << label.placed.text;
      if (label.kind != paper::DialLabelKind::kNote) {
        EXPECT_TRUE(inside(plate, label.placed.box)) << label.placed.text;
      }
    }
    // The key to the figures of eight's halves, when there are some: a solid and a
    // dashed sample, each beside its words, off the plate.
    std::vector<const paper::DialPath*> samples;
    for (const auto& path : drawing.paths) {
      if (path.stroke == paper::DialStroke::kKey) samples.push_back(&path);
    }
    if (c.figure.dial.time == sundial::DialTime::kMean) {
      ASSERT_EQ(samples.size(), 2u);
      EXPECT_FALSE(samples[0]->dashed);
      EXPECT_TRUE(samples[1]->dashed);
      for (const auto* sample : samples) {
        EXPECT_FALSE(plate.Overlaps(BoxAround(sample->points)));
        EXPECT_TRUE(std::any_of(drawing.labels.begin(), drawing.labels.end(), [&](const paper::DialLabel& label) {
          return label.placed.anchor.x == sample->points.back().x && label.placed.anchor.y == sample->points.back().y &&
                 label.placed.text.find(sample->dashed ? "破線" : "実線") != std::string::npos;
        }));
      }
    } else {
      EXPECT_TRUE(samples.empty());
    }
    // Nothing of the template on the plate.
    paper::RectMm gnomon{Gnomon(drawing).points[0].x, Gnomon(drawing).points[0].y, 0, 0};
    for (const auto p : Gnomon(drawing).points) gnomon = gnomon.United({p.x, p.y, 0, 0});
    EXPECT_FALSE(gnomon.Overlaps(plate));
  }
}

}  // namespace

namespace {

// A line of the zodiac is named by the two dates the Sun crosses its declination,
// with the declination, written alike whatever the locale's decimal mark.
TEST(DialLayout, ZodiacLinesAreNamedByTheirDatesInEveryLocale) {
  for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
    SCOPED_TRACE(locale);
    const platform::testing::ScopedLocale scoped(locale);
    if (!scoped.Active()) {
      if (platform::testing::LocalesRequired()) ADD_FAILURE() << locale << " is not installed";
      continue;
    }
    const paper::DialFigure figure = Figure(35, 135, 9, 0, 180, sundial::DialTime::kStandard,
                                            sundial::DateLineSet::kZodiac);
    const struct {
      paper::SheetLanguage language;
      std::vector<std::string> texts;
    } kCases[] = {
        {paper::SheetLanguage::kJapanese, {"5/21・7/23 (+20.15°)", "2/19・10/23 (-11.47°)", "夏至 6/21", "春分・秋分 3/20・9/23"}},
        {paper::SheetLanguage::kEnglish, {"21 May & 23 Jul (+20.15°)", "winter solstice 22 Dec"}},
    };
    for (const auto& c : kCases) {
      const paper::DialDrawing drawing = paper::LayOutDial(figure, c.language, kMeasure);
      for (const std::string& text : c.texts) {
        EXPECT_TRUE(std::any_of(drawing.labels.begin(), drawing.labels.end(),
                                [&](const paper::DialLabel& label) { return label.placed.text == text; }))
            << text;
      }
    }
  }
}

}  // namespace
