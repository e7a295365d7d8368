// SPDX-License-Identifier: MIT
#include "sheet_layout/label_placer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace paper {
namespace {

constexpr double kLabelClearMm = 0.5;  // kept free around a label
constexpr double kLabelGapsMm[] = {1.8, 4.5, 8.5, 13};

PointMm Rotated(PointMm p, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

}  // namespace

PointMm LeaderEnd(const PlacedLabel& label) {
  return {std::clamp(label.anchor.x, label.box.left, label.box.Right()),
          std::clamp(label.anchor.y, label.box.top, label.box.Bottom())};
}

std::vector<PointMm> Fan(PointMm preferred) {
  std::vector<PointMm> fan{preferred, {-preferred.x, -preferred.y}};
  for (const double degrees : {45.0, -45.0, 90.0, -90.0, 135.0, -135.0}) fan.push_back(Rotated(preferred, degrees));
  return fan;
}

void LabelPlacer::AvoidPolyline(const std::vector<PointMm>& points) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) segments_.push_back({points[i], points[i + 1]});
}

PlacedLabel LabelPlacer::Place(const std::string& text, bool bold, PointMm anchor,
                               const std::vector<PointMm>& directions) {
  const auto [width, height] = measure_(text, bold);
  RectMm best{};
  int best_hits = std::numeric_limits<int>::max();
  for (const double gap : kLabelGapsMm) {
    for (const PointMm d : directions) {
      const double reach = gap + std::fabs(d.x) * width / 2 + std::fabs(d.y) * height / 2;
      const PointMm centre{anchor.x + d.x * reach, anchor.y + d.y * reach};
      const RectMm box{centre.x - width / 2, centre.y - height / 2, width, height};
      const int hits = Hits(box.Grown(kLabelClearMm));
      if (hits == 0) return Keep({text, bold, box, anchor, gap > kLabelGapsMm[0]});
      if (gap == kLabelGapsMm[0] && hits < best_hits) {
        best = box;
        best_hits = hits;
      }
    }
  }
  return Keep({text, bold, best, anchor, false});
}

int LabelPlacer::Hits(const RectMm& box) const {
  int hits = 0;
  for (const auto& [a, b] : segments_) hits += SegmentMeetsRect(a, b, box);
  for (const RectMm& other : boxes_) hits += box.Overlaps(other);
  return hits;
}

PlacedLabel LabelPlacer::Keep(PlacedLabel label) {
  boxes_.push_back(label.box);
  if (label.leader) segments_.push_back({label.anchor, LeaderEnd(label)});
  return label;
}

}  // namespace paper
