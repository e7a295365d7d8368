// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "sheet_layout/page_tiles.h"

// Labels on a figure drawn at true size: a greedy search for a place near the point
// a label names that crosses neither the figure's lines nor the labels placed
// before it. Millimetres, y down. No Qt.
namespace paper {

struct PlacedLabel {
  std::string text;  // UTF-8
  bool bold;
  RectMm box;
  PointMm anchor;  // the point it names
  bool leader;     // a line from the anchor to the box: the box stands off
};

// The size of a text in millimetres as it will be drawn: width, height.
using MeasureText = std::function<std::pair<double, double>(const std::string& text, bool bold)>;

// Where a label's leader meets its box: the box's point nearest the anchor.
PointMm LeaderEnd(const PlacedLabel& label);

// Directions to try, `preferred` (a unit vector) first, then its opposite, then
// its neighbours by turns of 45°.
std::vector<PointMm> Fan(PointMm preferred);

class LabelPlacer {
 public:
  explicit LabelPlacer(MeasureText measure) : measure_(std::move(measure)) {}

  void AvoidPolyline(const std::vector<PointMm>& points);
  void AvoidSegment(PointMm a, PointMm b) { segments_.push_back({a, b}); }
  void AvoidBox(const RectMm& box) { boxes_.push_back(box); }

  // Tries `directions` (unit vectors) at growing gaps from `anchor`; the first
  // place that touches nothing wins, else the nearest place in the first
  // direction that touches least. The label is then avoided by the next ones.
  PlacedLabel Place(const std::string& text, bool bold, PointMm anchor, const std::vector<PointMm>& directions);

 private:
  int Hits(const RectMm& box) const;
  PlacedLabel Keep(PlacedLabel label);

  MeasureText measure_;
  std::vector<std::pair<PointMm, PointMm>> segments_;
  std::vector<RectMm> boxes_;
};

}  // namespace paper
