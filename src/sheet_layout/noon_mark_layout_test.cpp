// SPDX-License-Identifier: MIT
// The noon mark as seen: the floor from above with north up, a wall from in front
// (east on the left of a wall facing north), the year's curve closed or broken.
#include "sheet_layout/noon_mark_layout.h"

#include <gtest/gtest.h>

namespace {

using sundial::Surface;

TEST(NoonMarkLayout, TheSurfaceIsSeenFromAboveOrInFront) {
  const struct {
    const char* what;
    double latitude;
    Surface surface;
    double east_on_paper;  // +1: east to the right
    std::size_t pieces;
    bool closed;  // the last day joins the first
  } kCases[] = {
      {"floor at 35 N", 35, Surface::kFloor, 1, 1, true},
      {"floor at 35 S", -35, Surface::kFloor, 1, 1, true},
      {"wall facing south at 35 N", 35, Surface::kWallFacingSouth, 1, 1, true},
      {"wall facing north at 35 S", -35, Surface::kWallFacingNorth, -1, 1, true},
      // The Sun stands too low around the December solstice: one piece, open.
      {"floor at 66 N", 66, Surface::kFloor, 1, 1, false},
  };
  const paper::NoonMarkWords words{{"a", "b", "c", "d"}, "foot", "meridian", [](int month, int day) {
                                     return std::to_string(month) + "/" + std::to_string(day);
                                   }};
  const paper::MeasureText measure = [](const std::string& text, bool) {
    return std::pair{1.5 * static_cast<double>(text.size()), 2.5};
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const sundial::NoonMark mark = sundial::MakeNoonMark(
        {{c.latitude, 10}, 0, 12 * 60 + 30, 2026, 200, c.surface, sundial::Refraction::kStandard});
    const paper::NoonMarkDrawing drawing = paper::LayOutNoonMark(mark, words, measure);
    ASSERT_EQ(drawing.curve.size(), c.pieces);
    const auto& piece = drawing.curve.front();
    ASSERT_EQ(piece.size(), mark.days.size() + (c.closed ? 1 : 0));
    for (std::size_t i = 0; i < mark.days.size(); ++i) {
      EXPECT_DOUBLE_EQ(piece[i].x, mark.days[i].shadow.x_mm) << "the plate's x is to the right: " << i;
      EXPECT_DOUBLE_EQ(piece[i].y, -mark.days[i].shadow.y_mm) << "north or up is up the page";
    }
    // 12:30 at 10° E is after apparent noon all year: the shadow lies east of the meridian.
    EXPECT_GT(piece.front().x * c.east_on_paper, 0);
    EXPECT_EQ(drawing.mirrored, c.east_on_paper < 0) << "the CSV's x runs east, to the left";
    // Everything drawn lies inside the bounds.
    for (const paper::PlacedLabel& label : drawing.labels) {
      EXPECT_EQ(drawing.bounds.United(label.box).width, drawing.bounds.width) << label.text;
    }
  }
}

}  // namespace
