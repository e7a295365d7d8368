// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>

// Points, boxes and segments on a sheet, in millimetres, y down. No Qt.
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

// The part t0 ≤ t ≤ t1 (within 0..1) of the segment a + t (b − a) inside `rect` or on
// its edge, or none (Liang–Barsky clipping).
std::optional<std::pair<double, double>> SegmentPartInside(PointMm a, PointMm b, const RectMm& rect);

// Whether the segment from `a` to `b` has a point inside `rect` or on its edge.
inline bool SegmentMeetsRect(PointMm a, PointMm b, const RectMm& rect) {
  return SegmentPartInside(a, b, rect).has_value();
}

// `p` turned `degrees` about the origin, counter-clockwise with y up (clockwise on
// the page, whose y runs down).
PointMm Rotated(PointMm p, double degrees);

// The square of half-side `half` centred on `p`.
inline RectMm Around(PointMm p, double half) { return {p.x - half, p.y - half, 2 * half, 2 * half}; }

}  // namespace paper
