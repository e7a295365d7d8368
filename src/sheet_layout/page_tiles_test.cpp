// SPDX-License-Identifier: MIT
// Cutting a drawing into pages: how many rows and columns cover it, which pages
// a line crosses, where a label may lie so that no page cuts it, and which pages
// only repeat what others show.
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

// 3 × 3 tiles of 100 mm with 10 mm overlap over 280 × 280 mm from (0, 0):
// columns and rows at 0..100, 90..190, 180..280.
TEST(LabelRoom, ALabelLiesWholeOnEveryPageItTouchesAndOffTheCutLines) {
  const paper::TileGrid grid = CoverWithTiles({0, 0, 280, 280}, 100, 100, 10);
  const paper::LabelRoom room = paper::RoomOfTiles(grid);
  const struct {
    const char* what;
    RectMm box;
    bool holds;
    std::size_t tiles;  // the tiles it lies in whole, when it holds
  } kCases[] = {
      {"inside one page", {40, 40, 12, 3}, true, 1},
      {"in the strip two pages share", {92, 40, 6, 3}, true, 2},
      {"in the corner four pages share", {92, 92, 6, 3}, true, 4},
      {"across a page's edge", {96, 40, 8, 3}, false, 0},  // the first page ends at 100
      {"across the dashed line", {86, 40, 8, 3}, false, 0},  // the second begins at 90
      {"wider than the strip, across both", {85, 40, 20, 3}, false, 0},
      {"half a millimetre from the line", {90.2, 40, 6, 3}, false, 0},
      {"outside the pages", {-5, 40, 8, 3}, false, 0},
      {"over an alignment mark", {22, 93, 6, 3}, false, 0},  // 25 mm along, in the strip's middle
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(room.Holds(c.box), c.holds) << c.what;
    if (c.holds) {
      EXPECT_EQ(paper::TilesHolding(grid, c.box).size(), c.tiles) << c.what;
    }
  }
  // Any box the room holds, wherever it lies: whole on each page it touches.
  for (double x = -3; x < 280; x += 0.7) {
    for (double y = -3; y < 280; y += 3.1) {
      const RectMm box{x, y, 9, 2.5};
      if (!room.Holds(box)) continue;
      bool somewhere = false;
      for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
          const RectMm tile = grid.Tile(row, column);
          const bool inside = box.left >= tile.left && box.Right() <= tile.Right() && box.top >= tile.top &&
                              box.Bottom() <= tile.Bottom();
          somewhere = somewhere || inside;
          EXPECT_TRUE(!box.Overlaps(tile) || inside) << x << ", " << y << " cut by tile " << row << "-" << column;
        }
      }
      EXPECT_TRUE(somewhere) << x << ", " << y;
    }
  }
}

TEST(PageTiles, APageThatOnlyRepeatsWhatOthersShowIsDropped) {
  // One row of three pages 100 mm wide overlapping by 10: 0..100, 90..190, 180..280.
  const struct {
    const char* what;
    std::vector<std::pair<paper::PointMm, paper::PointMm>> segments;
    std::vector<RectMm> boxes;
    std::vector<bool> used_before;
    std::vector<bool> used_after;
  } kCases[] = {
      {"a line inside the first page and into the strip",
       {{{10, 50}, {95, 50}}}, {}, {true, true, false}, {true, false, false}},
      {"a line beyond the strip", {{{10, 50}, {120, 50}}}, {}, {true, true, false}, {true, true, false}},
      {"a label in the strip, another page's whole",
       {{{10, 50}, {60, 50}}}, {{92, 20, 6, 3}}, {true, true, false}, {true, false, false}},
      {"a label the second page alone shows whole",
       {{{10, 50}, {60, 50}}}, {{120, 20, 6, 3}}, {true, true, false}, {true, true, false}},
      {"lines on each page, each its own", {{{10, 50}, {270, 50}}}, {}, {true, true, true}, {true, true, true}},
      {"a line in the strip the last two share",
       {{{150, 50}, {185, 50}}}, {}, {false, true, true}, {false, true, false}},
  };
  for (const auto& c : kCases) {
    paper::TileGrid grid = CoverWithTiles({0, 0, 280, 100}, 100, 100, 10);
    ASSERT_EQ(grid.columns, 3);
    ASSERT_EQ(grid.rows, 1);
    grid.used = c.used_before;
    paper::DropRepeatedTiles(grid, c.segments, c.boxes);
    EXPECT_EQ(grid.used, c.used_after) << c.what;
  }
}

}  // namespace
