// SPDX-License-Identifier: MIT
// The analemmatic dial's plan as a person would read it: to the scale it states,
// north up, the numerals clear of each other and of the marks, every hour named,
// the months of the rising Sun on the west of the date scale.
#include "sheet_layout/analemmatic_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPointMm = 25.4 / 72;

// Text sizes of a proportional face, roughly: each character 0.6 of the size wide
// (a Japanese one a whole size).
paper::MeasureLabel Measure() {
  return [](const std::string& text, double points, bool) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (byte >= 0xE0) {
        width += 1;
        i += 2;
      } else {
        width += 0.6;
      }
    }
    return std::pair{width * points * kPointMm + 0.4, 1.2 * points * kPointMm};
  };
}

paper::AnalemmaticWords Words() {
  paper::AnalemmaticWords words;
  words.month = [](int month) { return std::to_string(month) + "月"; };
  words.date = [](int month, int day) { return std::to_string(month) + "/" + std::to_string(day); };
  words.season_names = {"春分", "夏至", "秋分", "冬至"};
  words.focus = "焦点";
  return words;
}

struct Case {
  double latitude;
  double longitude;
  int offset_hours;
  double size_m;
  int summer_seconds;
  long scale;
};

const Case kCases[] = {
    {35.6812, 139.7671, 9, 3, 0, 40},  {52.52, 13.405, 1, 3, 3600, 50},  {-33.8688, 151.2093, 10, 3, 3600, 40},
    {65, 25.47, 2, 3, 3600, 40},       {-52, -70, -4, 5, 0, 50},         {10, -84, -6, 3, 0, 40},
    {-10, -55, -4, 2, 0, 20},          {60, 10.75, 1, 10, 3600, 200},    {20, -157, -10, 4, 0, 50},
};

std::string Name(const Case& c) {
  return "latitude " + std::to_string(c.latitude) + ", summer " + std::to_string(c.summer_seconds);
}

TEST(AnalemmaticLayout, LabelsClearOfEachOtherAndOfTheMarks) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(Name(c));
    const sundial::AnalemmaticInput input{{c.latitude, c.longitude}, c.offset_hours * 3600, c.size_m, 2026};
    const sundial::AnalemmaticDial dial = sundial::MakeAnalemmaticDial(input);
    const paper::AnalemmaticDrawing drawing =
        paper::LayOutAnalemmatic(dial, input, c.summer_seconds, c.scale, Words(), Measure());
    const auto& labels = drawing.labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        EXPECT_FALSE(labels[i].box.Overlaps(labels[j].box)) << labels[i].text << " and " << labels[j].text;
      }
      // No numeral hides an hour's dot, its own or another's.
      for (const paper::PointMm p : drawing.hour_points) {
        EXPECT_FALSE(labels[i].box.Overlaps({p.x - 0.5, p.y - 0.5, 1, 1})) << labels[i].text;
      }
    }
    // Every whole hour of standard time has its numeral, black, beside its dot;
    // every summer numeral names the point an hour later.
    for (const auto& hour : dial.hours) {
      if (hour.half_hour) continue;
      const std::string text = std::to_string(hour.clock_minutes / 60);
      const auto named = std::find_if(labels.begin(), labels.end(), [&](const auto& label) {
        return label.text == text && !label.summer &&
               std::fabs(label.anchor.x - hour.point.x_m * (1000.0 / static_cast<double>(c.scale))) < 1e-9;
      });
      ASSERT_NE(named, labels.end()) << text;
      EXPECT_LT(std::hypot(named->box.left + named->box.width / 2 - named->anchor.x,
                           named->box.top + named->box.height / 2 - named->anchor.y),
                12)
          << text << " stands far from its dot";
      if (c.summer_seconds != 0) {
        const std::string summer = std::to_string((hour.clock_minutes / 60 + 1) % 24);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const auto& label) {
          return label.text == summer && label.summer && label.anchor.x == named->anchor.x &&
                 label.anchor.y == named->anchor.y;
        })) << "summer " << summer;
      }
    }
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(), [](const auto& label) { return label.summer; }) > 0,
              c.summer_seconds != 0);
  }
}

TEST(AnalemmaticLayout, ThePlanIsToItsScaleWithNorthUp) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(Name(c));
    const sundial::AnalemmaticInput input{{c.latitude, c.longitude}, c.offset_hours * 3600, c.size_m, 2026};
    const sundial::AnalemmaticDial dial = sundial::MakeAnalemmaticDial(input);
    const paper::AnalemmaticDrawing drawing =
        paper::LayOutAnalemmatic(dial, input, c.summer_seconds, c.scale, Words(), Measure());
    const double mm_per_m = 1000.0 / static_cast<double>(c.scale);
    // East-west the ellipse spans 2M, north-south 2M|sin(latitude)|.
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const paper::PointMm p : drawing.ellipse) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    EXPECT_NEAR(right - left, 2 * c.size_m * mm_per_m, 1e-9);
    EXPECT_NEAR(bottom - top, 2 * dial.semi_minor_m * mm_per_m, 1e-3);
    // The foci: a loop of string 2M long round them runs through every hour point.
    ASSERT_EQ(drawing.foci.size(), 2u);
    for (const paper::PointMm p : drawing.hour_points) {
      const double string = std::hypot(p.x - drawing.foci[0].x, p.y - drawing.foci[0].y) +
                            std::hypot(p.x - drawing.foci[1].x, p.y - drawing.foci[1].y);
      EXPECT_NEAR(string, 2 * c.size_m * mm_per_m, 1e-6);
    }
    // Noon lies on the side of the Sun's noon shadow: north up, so above the
    // centre (y < 0) in the northern hemisphere, below it in the southern.
    const auto noon = std::find_if(dial.hours.begin(), dial.hours.end(), [&](const auto& hour) {
      return std::fabs(hour.hour_angle_degrees) <= 7.5;
    });
    ASSERT_NE(noon, dial.hours.end());
    EXPECT_EQ(-noon->point.y_m * mm_per_m < 0, c.latitude > 0);
    // The June solstice's stance lies north of the centre in both hemispheres.
    EXPECT_LT(drawing.scale_north.y, 0);
    EXPECT_GT(drawing.scale_south.y, 0);
  }
}

TEST(AnalemmaticLayout, MonthsOfTheRisingSunOnTheWestOfTheScale) {
  const sundial::AnalemmaticInput input{{35.6812, 139.7671}, 9 * 3600, 3, 2026};
  const sundial::AnalemmaticDial dial = sundial::MakeAnalemmaticDial(input);
  const paper::AnalemmaticDrawing drawing = paper::LayOutAnalemmatic(dial, input, 0, 40, Words(), Measure());
  for (int month = 1; month <= 12; ++month) {
    const std::string name = std::to_string(month) + "月";
    const auto label = std::find_if(drawing.labels.begin(), drawing.labels.end(),
                                    [&](const auto& l) { return l.text == name; });
    ASSERT_NE(label, drawing.labels.end()) << name;
    if (month <= 6) {
      EXPECT_LT(label->box.Right(), 0) << name;
    } else {
      EXPECT_GT(label->box.left, 0) << name;
    }
    // Beside its own tick, or joined to it by a leader.
    const double off = std::fabs(label->box.top + label->box.height / 2 - label->anchor.y);
    EXPECT_TRUE(off < 0.5 || label->leader) << name;
  }
  for (const char* season : {"6/21 夏至", "12/22 冬至", "3/20 春分", "9/23 秋分"}) {
    EXPECT_TRUE(std::any_of(drawing.labels.begin(), drawing.labels.end(),
                            [&](const auto& l) { return l.text == season && l.bold; }))
        << season;
  }
}

TEST(AnalemmaticLayout, RoundScalesRunFromTheLargest) {
  const std::vector<long> scales = paper::RoundScaleDenominators();
  EXPECT_TRUE(std::is_sorted(scales.begin(), scales.end()));
  EXPECT_EQ(std::adjacent_find(scales.begin(), scales.end()), scales.end());
  for (const long expected : {1L, 2L, 5L, 10L, 20L, 25L, 30L, 40L, 50L, 100L, 250L, 1000000L}) {
    EXPECT_NE(std::find(scales.begin(), scales.end(), expected), scales.end()) << expected;
  }
  for (const long never : {15L, 35L, 60L, 75L, 125L}) {
    EXPECT_EQ(std::find(scales.begin(), scales.end(), never), scales.end()) << never;
  }
}

}  // namespace
