// SPDX-License-Identifier: MIT
#include "sheet_layout/page_tiles.h"

#include <algorithm>
#include <cmath>

namespace paper {

RectMm RectMm::United(const RectMm& other) const {
  const double new_left = std::min(left, other.left);
  const double new_top = std::min(top, other.top);
  return {new_left, new_top, std::max(Right(), other.Right()) - new_left, std::max(Bottom(), other.Bottom()) - new_top};
}

bool SegmentMeetsRect(PointMm a, PointMm b, const RectMm& rect) {
  // The part of a + t (b − a), 0 ≤ t ≤ 1, inside each pair of edges.
  double enter = 0;
  double leave = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - rect.left, rect.Right() - a.x, a.y - rect.top, rect.Bottom() - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  return enter <= leave;
}

int TileGrid::UsedCount() const { return static_cast<int>(std::count(used.begin(), used.end(), true)); }

TileGrid CoverWithTiles(const RectMm& bounds, double tile_width, double tile_height, double overlap) {
  TileGrid grid;
  grid.step_x = tile_width - overlap;
  grid.step_y = tile_height - overlap;
  auto count = [&](double extent, double tile, double step) {
    return extent <= tile ? 1 : static_cast<int>(std::ceil((extent - tile) / step)) + 1;
  };
  grid.columns = count(bounds.width, tile_width, grid.step_x);
  grid.rows = count(bounds.height, tile_height, grid.step_y);
  const double covered_width = tile_width + (grid.columns - 1) * grid.step_x;
  const double covered_height = tile_height + (grid.rows - 1) * grid.step_y;
  grid.first = {bounds.left - (covered_width - bounds.width) / 2, bounds.top - (covered_height - bounds.height) / 2,
                tile_width, tile_height};
  grid.used.assign(static_cast<std::size_t>(grid.rows) * static_cast<std::size_t>(grid.columns), false);
  return grid;
}

namespace {

// The rows and columns whose tiles may overlap `box`.
template <typename Visit>
void ForTilesNear(const TileGrid& grid, const RectMm& box, Visit visit) {
  auto range = [](double low, double high, double origin, double step, double tile, int count) {
    const int first = std::max(0, static_cast<int>(std::floor((low - origin - tile) / step)));
    const int last = std::min(count - 1, static_cast<int>(std::floor((high - origin) / step)));
    return std::pair{first, last};
  };
  const auto [first_column, last_column] =
      range(box.left, box.Right(), grid.first.left, grid.step_x, grid.first.width, grid.columns);
  const auto [first_row, last_row] =
      range(box.top, box.Bottom(), grid.first.top, grid.step_y, grid.first.height, grid.rows);
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = first_column; column <= last_column; ++column) visit(row, column);
  }
}

}  // namespace

void MarkPolyline(TileGrid& grid, const std::vector<PointMm>& points) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const PointMm a = points[i];
    const PointMm b = points[i + 1];
    const RectMm span{std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x), std::fabs(b.y - a.y)};
    ForTilesNear(grid, span, [&](int row, int column) {
      if (SegmentMeetsRect(a, b, grid.Tile(row, column))) {
        grid.used[static_cast<std::size_t>(row * grid.columns + column)] = true;
      }
    });
  }
}

void MarkBox(TileGrid& grid, const RectMm& box) {
  ForTilesNear(grid, box, [&](int row, int column) {
    if (box.Overlaps(grid.Tile(row, column))) grid.used[static_cast<std::size_t>(row * grid.columns + column)] = true;
  });
}

void FillRowGaps(TileGrid& grid) {
  for (int row = 0; row < grid.rows; ++row) {
    const auto begin = grid.used.begin() + row * grid.columns;
    const auto end = begin + grid.columns;
    const auto first = std::find(begin, end, true);
    if (first == end) continue;
    const auto last = std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(first), true).base();
    std::fill(first, last, true);
  }
}

}  // namespace paper
