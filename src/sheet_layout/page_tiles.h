// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "sheet_layout/sheet_geometry.h"

// A drawing larger than a page, cut into overlapping pages of one size: which
// pages there are and which of them carry anything. Millimetres, y down. No Qt.
namespace paper {

struct TileGrid {
  RectMm first;   // the tile of row 0, column 0, in the drawing's coordinates
  double step_x;  // from one column to the next: the tile's width less the overlap
  double step_y;
  int rows = 1;
  int columns = 1;
  std::vector<bool> used;  // [row * columns + column]: the tile carries something

  RectMm Tile(int row, int column) const {
    return {first.left + column * step_x, first.top + row * step_y, first.width, first.height};
  }
  int UsedCount() const;
};

// Tiles of `tile_width` × `tile_height` mm, neighbours overlapping by `overlap` mm,
// covering `bounds` with the grid centred on it; none is marked used.
TileGrid CoverWithTiles(const RectMm& bounds, double tile_width, double tile_height, double overlap);

// Marks the tiles that the polyline `points` passes through, or that `box` overlaps.
void MarkPolyline(TileGrid& grid, const std::vector<PointMm>& points);
void MarkBox(TileGrid& grid, const RectMm& box);

// Marks the tiles of each row between its first and last used one, so that the
// pages of a row can be laid edge to edge by their overlaps (the inside of a
// figure of eight is empty, but its two sides must meet).
void FillRowGaps(TileGrid& grid);

// Unmarks each used tile whose whole content other used tiles show: the part of
// every segment inside it lies in other used tiles, and every box that overlaps it
// lies whole in one other used tile. A page that only repeats the edge of its
// neighbour's figure, or a label its neighbour shows whole, is not printed.
void DropRepeatedTiles(TileGrid& grid, const std::vector<std::pair<PointMm, PointMm>>& segments,
                       const std::vector<RectMm>& boxes);

// The tiles `box` lies in whole, as indices into `used`.
std::vector<std::size_t> TilesHolding(const TileGrid& grid, const RectMm& box);

// What a figure shows, for choosing the pages to print: its lines as segments,
// its dots and crosses as boxes, its labels with their leaders.
struct FigureContent {
  struct Label {
    RectMm box;
    std::optional<std::pair<PointMm, PointMm>> leader;  // from the point it names to the box
  };
  std::vector<std::pair<PointMm, PointMm>> segments;
  std::vector<RectMm> marks;
  std::vector<Label> labels;
};

// Marks the tiles of `grid` to print: each that a segment or a leader passes
// through or a mark overlaps, and for each label in turn, when no tile marked so
// far holds it whole, the first tile that does (a label lies whole on a printed
// page when some tile holds it). Then drops the tiles whose whole content others
// show (DropRepeatedTiles) and fills each row between its first and last printed
// tile (FillRowGaps).
void ChoosePrintedTiles(TileGrid& grid, const FigureContent& content);

// The marks a page carries in its overlap with each neighbour, to be laid over
// the same marks of that page: two in each strip, kAlignMarkInsetMm from its
// ends, in the middle of the strip. Only the sides named.
struct Sides {
  bool above = false;
  bool below = false;
  bool left = false;
  bool right = false;
};
std::vector<PointMm> AlignmentMarks(const RectMm& tile, double overlap, Sides sides);
inline constexpr double kAlignMarkInsetMm = 25;
inline constexpr double kAlignMarkHalfMm = 3;  // the cross reaches this far from its centre

// Where a label may lie: inside `area`; and when `pages` is set, across none of
// their edges (with `clear` mm to spare) and over none of their alignment marks.
struct LabelRoom {
  RectMm area;
  std::optional<TileGrid> pages;  // their places only: `used` is empty
  double clear = 0;

  bool Holds(const RectMm& box) const;
};

// The room of one page's figure area: anywhere inside it.
LabelRoom RoomOfPage(const RectMm& area);

// The room of a grid: inside the tiles and across none of their edges, with
// 0.5 mm to spare, and off every tile's alignment marks. A label there lies whole
// on every tile it touches, and clear of the lines along which overlapping pages
// are cut and laid over each other.
LabelRoom RoomOfTiles(const TileGrid& grid);

}  // namespace paper
