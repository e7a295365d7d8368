// SPDX-License-Identifier: MIT
// Cutting a drawing into pages: how many rows and columns cover it, and which
// pages a line crosses.
#include "sheet_layout/page_tiles.h"

#include <gtest/gtest.h>

namespace {

using paper::CoverWithTiles;
using paper::RectMm;

TEST(PageTiles, RowsAndColumnsCoverTheDrawingWithOverlap) {
  // Tiles of 190 × 245 mm overlapping by 10 mm: each one more adds 180 or 235 mm.
  const struct {
    double width, height;
    int rows, columns;
  } kCases[] = {
      {1, 1, 1, 1}, {190, 245, 1, 1}, {190.5, 245, 1, 2}, {370, 480, 2, 2}, {370.5, 480.5, 3, 3}, {1000, 3000, 13, 6},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const paper::TileGrid grid = CoverWithTiles({-7, 3, c.width, c.height}, 190, 245, 10);
    EXPECT_EQ(grid.rows, c.rows);
    EXPECT_EQ(grid.columns, c.columns);
    // Centred: as much of the last tile sticks out on the right as of the first on the left.
    const RectMm last = grid.Tile(grid.rows - 1, grid.columns - 1);
    EXPECT_NEAR(-7 - grid.first.left, last.Right() - (-7 + c.width), 1e-9);
    EXPECT_NEAR(3 - grid.first.top, last.Bottom() - (3 + c.height), 1e-9);
    EXPECT_EQ(grid.UsedCount(), 0);
  }
}

TEST(PageTiles, OnlyThePagesALineCrossesOrABoxTouchesAreUsed) {
  // 3 × 3 tiles of 100 mm with 10 mm overlap over 280 × 280 mm from (0, 0).
  paper::TileGrid grid = CoverWithTiles({0, 0, 280, 280}, 100, 100, 10);
  ASSERT_EQ(grid.rows * grid.columns, 9);
  // Down the left column, then along the bottom row: an L of five tiles.
  paper::MarkPolyline(grid, {{20, 20}, {20, 260}, {260, 260}});
  const bool kUsed[9] = {true, false, false, true, false, false, true, true, true};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(grid.used[static_cast<std::size_t>(i)], kUsed[i]) << "tile " << i;
  // A box in the overlap of the top row's second and third tiles uses both.
  paper::MarkBox(grid, {185, 20, 3, 3});
  EXPECT_TRUE(grid.used[1]);
  EXPECT_TRUE(grid.used[2]);
  EXPECT_EQ(grid.UsedCount(), 7);
  // The middle row's left and right pages used: the one between them joins them.
  paper::TileGrid ring = CoverWithTiles({0, 0, 280, 280}, 100, 100, 10);
  paper::MarkBox(ring, {5, 140, 2, 2});
  paper::MarkBox(ring, {270, 140, 2, 2});
  paper::FillRowGaps(ring);
  const bool kRing[9] = {false, false, false, true, true, true, false, false, false};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ring.used[static_cast<std::size_t>(i)], kRing[i]) << "ring tile " << i;
}

TEST(PageTiles, SegmentsMeetRectangles) {
  const RectMm box{0, 0, 10, 10};
  const struct {
    const char* what;
    paper::PointMm a, b;
    bool meets;
  } kCases[] = {
      {"inside", {2, 2}, {3, 3}, true},
      {"crossing", {-5, 5}, {15, 5}, true},
      {"corner to corner outside", {-1, 11}, {11, -1}, true},
      {"passing by", {-5, 12}, {15, 11}, false},
      {"short of it", {-5, 5}, {-1, 5}, false},
      {"along an edge", {0, -5}, {0, 15}, true},
      {"diagonal missing the corner", {8, -5}, {15, 2}, false},
  };
  for (const auto& c : kCases) EXPECT_EQ(paper::SegmentMeetsRect(c.a, c.b, box), c.meets) << c.what;
}

}  // namespace
