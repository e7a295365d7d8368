// SPDX-License-Identifier: MIT
#include "sheet_layout/sheet_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace paper {

RectMm RectMm::United(const RectMm& other) const {
  const double new_left = std::min(left, other.left);
  const double new_top = std::min(top, other.top);
  return {new_left, new_top, std::max(Right(), other.Right()) - new_left, std::max(Bottom(), other.Bottom()) - new_top};
}

std::optional<std::pair<double, double>> SegmentPartInside(PointMm a, PointMm b, const RectMm& rect) {
  // The part of a + t (b − a), 0 ≤ t ≤ 1, inside each pair of edges.
  double enter = 0;
  double leave = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - rect.left, rect.Right() - a.x, a.y - rect.top, rect.Bottom() - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return std::nullopt;
  return std::pair{enter, leave};
}

PointMm Rotated(PointMm p, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

}  // namespace paper
