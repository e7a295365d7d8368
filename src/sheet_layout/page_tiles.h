// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// A drawing larger than a page, cut into overlapping pages of one size: which
// pages there are and which of them carry anything. Millimetres, y down. No Qt.
namespace paper {

struct PointMm {
  double x;
  double y;
};

struct RectMm {
  double left;
  double top;
  double width;
  double height;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  bool Overlaps(const RectMm& other) const {
    return left < other.Right() && other.left < Right() && top < other.Bottom() && other.top < Bottom();
  }
  RectMm Grown(double mm) const { return {left - mm, top - mm, width + 2 * mm, height + 2 * mm}; }
  RectMm United(const RectMm& other) const;
};

// Whether the segment from `a` to `b` has a point inside `rect` or on its edge
// (Liang–Barsky clipping).
bool SegmentMeetsRect(PointMm a, PointMm b, const RectMm& rect);

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

}  // namespace paper
