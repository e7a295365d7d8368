// SPDX-License-Identifier: MIT
#include "sheet_layout/label_placer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace paper {
namespace {

constexpr double kLabelClearMm = 0.5;  // kept free around a label
constexpr double kLeaderFreeMm = 1;    // a leader may touch lines this near its point

PointMm Scaled(PointMm p, double k) { return {p.x * k, p.y * k}; }
PointMm Plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm Minus(PointMm a, PointMm b) { return {a.x - b.x, a.y - b.y}; }

double Cross(PointMm o, PointMm a, PointMm b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// Whether two segments share a point (touching counts).
bool SegmentsCross(PointMm a, PointMm b, PointMm c, PointMm d) {
  const double d1 = Cross(c, d, a);
  const double d2 = Cross(c, d, b);
  const double d3 = Cross(a, b, c);
  const double d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
  auto on = [](PointMm p, PointMm q, PointMm r, double side) {
    return side == 0 && std::min(p.x, q.x) <= r.x && r.x <= std::max(p.x, q.x) && std::min(p.y, q.y) <= r.y &&
           r.y <= std::max(p.y, q.y);
  };
  return on(c, d, a, d1) || on(c, d, b, d2) || on(a, b, c, d3) || on(a, b, d, d4);
}

}  // namespace

PointMm LeaderEnd(const PlacedLabel& label) {
  return {std::clamp(label.anchor.x, label.box.left, label.box.Right()),
          std::clamp(label.anchor.y, label.box.top, label.box.Bottom())};
}

std::vector<PointMm> Fan(PointMm preferred) {
  std::vector<PointMm> fan{preferred, Scaled(preferred, -1)};
  for (const double degrees : {45.0, -45.0, 90.0, -90.0, 135.0, -135.0}) fan.push_back(Rotated(preferred, degrees));
  return fan;
}

void LabelPlacer::AvoidPolyline(const std::vector<PointMm>& points, std::size_t owner) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) lines_.push_back({points[i], points[i + 1], owner});
}

std::optional<PlacedLabel> LabelPlacer::Place(const std::string& text, bool bold, PointMm anchor,
                                              const std::vector<PointMm>& directions, std::size_t owner, bool keep,
                                              double own_mark_mm) {
  const auto [width, height] = measure_(text, bold);
  for (const Leniency leniency : {Leniency::kNone, Leniency::kLeaderOverLines, Leniency::kOverLines}) {
    if (leniency != Leniency::kNone && !keep) break;
    for (const double step : kGapsMm) {
      if (!keep && step > kOptionalReachMm) break;
      const double gap = own_mark_mm + step;
      for (const PointMm d : directions) {
        const double reach = gap + std::fabs(d.x) * width / 2 + std::fabs(d.y) * height / 2;
        const PointMm centre = Plus(anchor, Scaled(d, reach));
        const PlacedLabel label{text, bold, {centre.x - width / 2, centre.y - height / 2, width, height}, anchor,
                                step > kGapsMm[0]};
        if (Free(label, owner, leniency)) {
          labels_.push_back(label);
          return label;
        }
      }
    }
  }
  return std::nullopt;
}

bool LabelPlacer::Free(const PlacedLabel& label, std::size_t owner, Leniency leniency) const {
  if (!room_.Holds(label.box)) return false;
  const RectMm clear = label.box.Grown(kLabelClearMm);
  for (const Mark& mark : marks_) {
    if (clear.Overlaps(mark.box)) return false;
  }
  for (const PlacedLabel& other : labels_) {
    if (clear.Overlaps(other.box)) return false;
    if (other.leader && SegmentMeetsRect(other.anchor, LeaderEnd(other), clear)) return false;
  }
  if (leniency != Leniency::kOverLines) {
    for (const Line& line : lines_) {
      if (line.owner != owner && SegmentMeetsRect(line.a, line.b, clear)) return false;
    }
  }
  if (!label.leader) return true;
  // The leader, from a little way out from its point (where it meets its line).
  const PointMm end = LeaderEnd(label);
  const PointMm along = Minus(end, label.anchor);
  const double length = std::hypot(along.x, along.y);
  if (length <= kLeaderFreeMm) return true;
  const PointMm start = Plus(label.anchor, Scaled(along, kLeaderFreeMm / length));
  for (const PlacedLabel& other : labels_) {
    if (SegmentMeetsRect(start, end, other.box.Grown(kLabelClearMm / 2))) return false;
    if (other.leader && SegmentsCross(start, end, other.anchor, LeaderEnd(other))) return false;
  }
  for (const Mark& mark : marks_) {
    const bool leaving = mark.left_by_leaders && SegmentMeetsRect(label.anchor, label.anchor, mark.box);
    if (mark.owner != owner && !leaving && SegmentMeetsRect(start, end, mark.box)) return false;
  }
  if (leniency == Leniency::kNone) {
    for (const Line& line : lines_) {
      if (line.owner != owner && SegmentsCross(start, end, line.a, line.b)) return false;
    }
  }
  return true;
}

}  // namespace paper
