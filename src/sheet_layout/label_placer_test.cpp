// SPDX-License-Identifier: MIT
// Where a label goes, as a reader of a sheet needs it: beside its point when that
// is free, never over a line, a mark, an earlier label or its leader, nor out of
// the room the pages leave; farther out with a leader when it must be kept.
#include "sheet_layout/label_placer.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using paper::LabelPlacer;
using paper::PointMm;
using paper::RectMm;

// Every label 10 mm wide and 3 mm high.
const paper::MeasureText kMeasure = [](const std::string&, bool) { return std::pair{10.0, 3.0}; };
const paper::LabelRoom kAnywhere = paper::RoomOfPage({-1000, -1000, 2000, 2000});
constexpr std::size_t kOwner = 7;
constexpr std::size_t kOther = 8;

struct Scene {
  std::vector<std::vector<PointMm>> lines = {};  // of no owner
  std::vector<PointMm> owned_line = {};          // of kOwner
  std::optional<RectMm> mark = {};               // of no owner
  bool mark_left_by_leaders = false;
  std::optional<RectMm> owned_mark = {};         // of kOwner
};

LabelPlacer Placer(const Scene& scene, const paper::LabelRoom& room = kAnywhere) {
  LabelPlacer placer(kMeasure, room);
  for (const auto& line : scene.lines) placer.AvoidPolyline(line);
  placer.AvoidPolyline(scene.owned_line, kOwner);
  if (scene.mark) placer.AvoidBox(*scene.mark, paper::kNoOwner, scene.mark_left_by_leaders);
  if (scene.owned_mark) placer.AvoidBox(*scene.owned_mark, kOwner);
  return placer;
}

TEST(LabelPlacer, TheFirstFreePlaceNearestItsPoint) {
  // The point at the origin, the label wanted to its right.
  const std::vector<PointMm> cage{{-3, -3}, {3, -3}, {3, 3}, {-3, 3}, {-3, -3}};
  const struct {
    const char* what;
    Scene scene;
    std::size_t owner;
    bool keep;
    std::optional<double> left;  // where the box starts; none: left out
    bool leader;
  } kCases[] = {
      {"nothing in the way: beside it, no leader", {}, kOther, false, 1.8, false},
      {"a line on the right: on the left", {.lines = {{{3, -50}, {3, 50}}}}, kOther, false, -11.8, false},
      {"its own line on the right: beside it over its own line", {.owned_line = {{3, -50}, {3, 50}}}, kOwner, false,
       1.8, false},
      {"another's line on the right: on the left", {.owned_line = {{3, -50}, {3, 50}}}, kOther, false, -11.8, false},
      {"lines all round: a date is left out", {.lines = {cage}}, kOther, false, std::nullopt, false},
      {"lines all round: a kept label's leader crosses them", {.lines = {cage}}, kOther, true, 4.5, true},
      {"a mark round it, free from 12.5 mm: a date does not look so far", {.owned_mark = RectMm{-12, -12, 24, 24}},
       kOwner, false, std::nullopt, false},
      {"a mark round it, free from 12.5 mm: a kept label goes there", {.owned_mark = RectMm{-12, -12, 24, 24}}, kOwner,
       true, 13, true},
      // A dial's hour line that ends in the foot's cross.
      {"inside another's mark: no leader may leave it", {.mark = RectMm{-4, -4, 8, 8}}, kOther, true, std::nullopt,
       false},
      {"inside a mark leaders may leave: out of it", {.mark = RectMm{-4, -4, 8, 8}, .mark_left_by_leaders = true},
       kOther, true, 4.5, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    LabelPlacer placer = Placer(c.scene);
    // Off the middle of a mark round it, as a line's end lies off the foot.
    const PointMm anchor = c.scene.mark ? PointMm{1, 0} : PointMm{0, 0};
    const std::optional<paper::PlacedLabel> label =
        placer.Place("label", false, anchor, paper::Fan({1, 0}), c.owner, c.keep);
    ASSERT_EQ(label.has_value(), c.left.has_value());
    if (!label) continue;
    EXPECT_NEAR(label->box.left - anchor.x, *c.left, 1e-9);
    EXPECT_NEAR(label->box.top, -1.5, 1e-9);
    EXPECT_EQ(label->leader, c.leader);
  }
}

TEST(LabelPlacer, NoLabelOverAnotherItsLeaderOrOutOfTheRoom) {
  // Twelve labels round one point in a room 40 mm square: each lies in the room,
  // over no label placed before it, and its leader crosses none of them nor their
  // leaders.
  const paper::LabelRoom room = paper::RoomOfPage({-20, -20, 40, 40});
  LabelPlacer placer(kMeasure, room);
  std::vector<paper::PlacedLabel> placed;
  for (int i = 0; i < 12; ++i) {
    if (auto label = placer.Place("label", false, {0, 0.1 * i}, paper::Fan({1, 0}), paper::kNoOwner, true)) {
      placed.push_back(*label);
    }
  }
  ASSERT_GE(placed.size(), 6u);
  auto inside = [](const RectMm& outer, const RectMm& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
  };
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_TRUE(inside(room.area, placed[i].box)) << i;
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(placed[i].box.Overlaps(placed[j].box)) << i << " over " << j;
      if (placed[j].leader) {
        EXPECT_FALSE(paper::SegmentMeetsRect(placed[j].anchor, paper::LeaderEnd(placed[j]), placed[i].box))
            << j << "'s leader under " << i;
      }
    }
  }
}

TEST(LabelPlacer, ALabelKeepsOffAnEarlierLeader) {
  // The room begins 5 mm right of a point: its label stands 8.5 mm off with a
  // leader. A narrow label whose nearest place lies over that leader goes elsewhere.
  const paper::MeasureText one_mm_a_letter = [](const std::string& text, bool) {
    return std::pair{static_cast<double>(text.size()), 3.0};
  };
  LabelPlacer placer(one_mm_a_letter, paper::RoomOfPage({5, -20, 100, 40}));
  const auto first = placer.Place("0123456789", false, {0, 0}, paper::Fan({1, 0}), paper::kNoOwner, false);
  ASSERT_TRUE(first);
  EXPECT_NEAR(first->box.left, 8.5, 1e-9);
  ASSERT_TRUE(first->leader);
  const auto narrow = placer.Place("B", false, {6.5, -4}, paper::Fan({0, 1}), paper::kNoOwner, true);
  ASSERT_TRUE(narrow);
  EXPECT_FALSE(paper::SegmentMeetsRect(first->anchor, paper::LeaderEnd(*first), narrow->box.Grown(0.5)))
      << narrow->box.left << ", " << narrow->box.top;
}

}  // namespace
