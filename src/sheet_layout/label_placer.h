// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sheet_layout/page_tiles.h"

// Labels on a figure drawn at true size: a search for a place near the point a
// label names, in the room the pages leave it, that touches neither the figure's
// lines and marks nor the labels and leaders placed before it. The noon mark and
// the dial place their labels so. Millimetres, y down. No Qt.
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

// A line or mark that belongs to no label.
inline constexpr std::size_t kNoOwner = std::numeric_limits<std::size_t>::max();

class LabelPlacer {
 public:
  LabelPlacer(MeasureText measure, LabelRoom room) : measure_(std::move(measure)), room_(std::move(room)) {}

  // What labels must not touch. A line or mark of an `owner` (a number the caller
  // gives, such as the day a tick marks) may touch the label of the same owner, and
  // its leader may start inside the mark. The leader of a label whose point lies
  // inside a mark `left_by_leaders` may leave the mark too (a line that ends in the
  // foot's cross).
  void AvoidPolyline(const std::vector<PointMm>& points, std::size_t owner = kNoOwner);
  void AvoidSegment(PointMm a, PointMm b, std::size_t owner = kNoOwner) { lines_.push_back({a, b, owner}); }
  void AvoidBox(const RectMm& box, std::size_t owner = kNoOwner, bool left_by_leaders = false) {
    marks_.push_back({box, owner, left_by_leaders});
  }

  // Where the labels placed from now on may lie.
  void SetRoom(LabelRoom room) { room_ = std::move(room); }

  // The first place, nearest first, in `directions` (unit vectors, the preferred
  // one first) at growing gaps from `anchor`, where the label lies in the room,
  // clear of every line, mark and label, and its leader crosses none of them; the
  // labels placed after it then keep clear of it and its leader. A label that must
  // be kept looks out to the last gap and, finding none, may then have its leader
  // cross lines, and then lie over lines itself, still clear of marks, labels and
  // leaders; another looks no farther than kOptionalReachMm, where its leader would
  // be hard to follow, and is left out. The gaps count from `own_mark_mm` around the
  // anchor, the size of its own mark. None when no place is left.
  std::optional<PlacedLabel> Place(const std::string& text, bool bold, PointMm anchor,
                                   const std::vector<PointMm>& directions, std::size_t owner, bool keep,
                                   double own_mark_mm = 0);

  // From the point to the nearer side of a label, the gaps tried: the first without
  // a leader.
  static constexpr double kGapsMm[] = {1.8, 4.5, 8.5, 13, 19, 27, 38};
  static constexpr double kOptionalReachMm = 8.5;

 private:
  enum class Leniency { kNone, kLeaderOverLines, kOverLines };
  struct Line {
    PointMm a;
    PointMm b;
    std::size_t owner;
  };
  struct Mark {
    RectMm box;
    std::size_t owner;
    bool left_by_leaders;
  };

  bool Free(const PlacedLabel& label, std::size_t owner, Leniency leniency) const;

  MeasureText measure_;
  LabelRoom room_;
  std::vector<Line> lines_;
  std::vector<Mark> marks_;
  std::vector<PlacedLabel> labels_;
};

}  // namespace paper
