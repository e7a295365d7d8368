// SPDX-License-Identifier: MIT
#include "sheet_layout/page_tiles.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace paper {

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

namespace {

bool Contains(const RectMm& outer, const RectMm& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

// Whether the part [t0, t1] of a segment lies in the union of the used tiles
// other than `except`.
bool CoveredByOthers(const TileGrid& grid, std::size_t except, PointMm a, PointMm b, double t0, double t1) {
  std::vector<std::pair<double, double>> parts;
  // Only the tiles near the part itself can cover it: a long line crosses many.
  const PointMm from{a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)};
  const PointMm to{a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)};
  constexpr double kNearMm = 1e-6;
  const RectMm span = RectMm{std::min(from.x, to.x), std::min(from.y, to.y), std::fabs(to.x - from.x),
                             std::fabs(to.y - from.y)}
                          .Grown(kNearMm);
  ForTilesNear(grid, span, [&](int row, int column) {
    const auto i = static_cast<std::size_t>(row * grid.columns + column);
    if (i == except || !grid.used[i]) return;
    if (const auto part = SegmentPartInside(a, b, grid.Tile(row, column))) parts.push_back(*part);
  });
  std::sort(parts.begin(), parts.end());
  double reached = t0;
  constexpr double kSlack = 1e-9;
  for (const auto& [from, to] : parts) {
    if (from > reached + kSlack) break;
    reached = std::max(reached, to);
  }
  return reached >= t1 - kSlack;
}

}  // namespace

void DropRepeatedTiles(TileGrid& grid, const std::vector<std::pair<PointMm, PointMm>>& segments,
                       const std::vector<RectMm>& boxes) {
  auto repeated = [&](std::size_t index) {
    const RectMm tile = grid.Tile(static_cast<int>(index) / grid.columns, static_cast<int>(index) % grid.columns);
    for (const auto& [a, b] : segments) {
      const auto part = SegmentPartInside(a, b, tile);
      if (part && !CoveredByOthers(grid, index, a, b, part->first, part->second)) return false;
    }
    for (const RectMm& box : boxes) {
      if (!box.Overlaps(tile)) continue;
      const std::vector<std::size_t> holding = TilesHolding(grid, box);
      const bool elsewhere = std::any_of(holding.begin(), holding.end(),
                                         [&](std::size_t other) { return other != index && grid.used[other]; });
      if (!elsewhere) return false;
    }
    return true;
  };
  // The last pages first: the figure's own pages keep their content, and a page
  // of the overlap goes.
  int used = grid.UsedCount();
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (std::size_t i = grid.used.size(); i-- > 0;) {
      if (grid.used[i] && used > 1 && repeated(i)) {
        grid.used[i] = false;
        --used;
        dropped = true;
      }
    }
  }
}

void ChoosePrintedTiles(TileGrid& grid, const FigureContent& content) {
  std::vector<std::pair<PointMm, PointMm>> segments = content.segments;
  for (const auto& [a, b] : content.segments) MarkPolyline(grid, {a, b});
  std::vector<RectMm> boxes = content.marks;
  for (const RectMm& box : content.marks) MarkBox(grid, box);
  for (const FigureContent::Label& label : content.labels) {
    if (label.leader) {
      segments.push_back(*label.leader);
      MarkPolyline(grid, {label.leader->first, label.leader->second});
    }
    const std::vector<std::size_t> holding = TilesHolding(grid, label.box);
    if (!holding.empty() && std::none_of(holding.begin(), holding.end(), [&](std::size_t i) { return grid.used[i]; })) {
      grid.used[holding.front()] = true;
    }
    boxes.push_back(label.box);
  }
  DropRepeatedTiles(grid, segments, boxes);
  FillRowGaps(grid);
}

std::vector<std::size_t> TilesHolding(const TileGrid& grid, const RectMm& box) {
  std::vector<std::size_t> holding;
  ForTilesNear(grid, box, [&](int row, int column) {
    if (Contains(grid.Tile(row, column), box)) {
      holding.push_back(static_cast<std::size_t>(row * grid.columns + column));
    }
  });
  return holding;
}

std::vector<PointMm> AlignmentMarks(const RectMm& tile, double overlap, Sides sides) {
  std::vector<PointMm> marks;
  for (const double x : {tile.left + kAlignMarkInsetMm, tile.Right() - kAlignMarkInsetMm}) {
    if (sides.above) marks.push_back({x, tile.top + overlap / 2});
    if (sides.below) marks.push_back({x, tile.Bottom() - overlap / 2});
  }
  for (const double y : {tile.top + kAlignMarkInsetMm, tile.Bottom() - kAlignMarkInsetMm}) {
    if (sides.left) marks.push_back({tile.left + overlap / 2, y});
    if (sides.right) marks.push_back({tile.Right() - overlap / 2, y});
  }
  return marks;
}

bool LabelRoom::Holds(const RectMm& box) const {
  if (!Contains(area, box)) return false;
  if (!pages) return true;
  const TileGrid& grid = *pages;
  // An edge strictly inside the box widened by `clear`: the left edge of every
  // column but the first, the right edge of every one but the last.
  auto cut = [&](double low, double high, double origin, double step, double tile, int count) {
    low -= clear;
    high += clear;
    const int first = std::max(0, static_cast<int>(std::floor((low - origin - tile) / step)));
    const int last = std::min(count - 1, static_cast<int>(std::ceil((high - origin) / step)));
    for (int k = first; k <= last; ++k) {
      const double start = origin + k * step;
      const double end = start + tile;
      if (k > 0 && low < start && start < high) return true;
      if (k + 1 < count && low < end && end < high) return true;
    }
    return false;
  };
  if (cut(box.left, box.Right(), grid.first.left, grid.step_x, grid.first.width, grid.columns)) return false;
  if (cut(box.top, box.Bottom(), grid.first.top, grid.step_y, grid.first.height, grid.rows)) return false;
  // The alignment marks of the pages near it, whichever are printed.
  const double overlap = grid.first.width - grid.step_x;
  const double reach = kAlignMarkHalfMm + 0.5;
  bool over_a_mark = false;
  ForTilesNear(grid, box.Grown(reach + overlap), [&](int row, int column) {
    const Sides sides{row > 0, row + 1 < grid.rows, column > 0, column + 1 < grid.columns};
    for (const PointMm mark : AlignmentMarks(grid.Tile(row, column), overlap, sides)) {
      over_a_mark = over_a_mark || box.Overlaps(RectMm{mark.x, mark.y, 0, 0}.Grown(reach));
    }
  });
  return !over_a_mark;
}

LabelRoom RoomOfPage(const RectMm& area) { return {area, std::nullopt, 0}; }

LabelRoom RoomOfTiles(const TileGrid& grid) {
  TileGrid places = grid;
  places.used.clear();
  const RectMm covered{grid.first.left, grid.first.top, grid.first.width + (grid.columns - 1) * grid.step_x,
                       grid.first.height + (grid.rows - 1) * grid.step_y};
  return {covered, std::move(places), 0.5};
}

}  // namespace paper
