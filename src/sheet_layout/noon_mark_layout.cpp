// SPDX-License-Identifier: MIT
#include "sheet_layout/noon_mark_layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

namespace paper {
namespace {

constexpr double kFootRadiusMm = 2.5;
constexpr double kSeasonDotMm = 1.6;   // the dot's diameter
constexpr double kLabelClearMm = 0.5;  // kept free around a label
constexpr double kLabelGapsMm[] = {1.8, 4.5, 8.5, 13};

long DayNumber(int year, int month, int day) {
  using namespace std::chrono;
  return sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count();
}

PointMm Scaled(PointMm p, double k) { return {p.x * k, p.y * k}; }
PointMm Plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm Minus(PointMm a, PointMm b) { return {a.x - b.x, a.y - b.y}; }
PointMm Unit(PointMm p) {
  const double length = std::hypot(p.x, p.y);
  return length > 0 ? Scaled(p, 1 / length) : PointMm{1, 0};
}
PointMm Rotated(PointMm p, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}
RectMm Around(PointMm p, double half) { return {p.x - half, p.y - half, 2 * half, 2 * half}; }

// Where labels must not go, and the greedy search for a free place.
class LabelPlacer {
 public:
  explicit LabelPlacer(const MeasureText& measure) : measure_(measure) {}

  void AvoidPolyline(const std::vector<PointMm>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) segments_.push_back({points[i], points[i + 1]});
  }
  void AvoidSegment(PointMm a, PointMm b) { segments_.push_back({a, b}); }
  void AvoidBox(const RectMm& box) { boxes_.push_back(box); }

  // Tries `directions` (unit vectors) at growing gaps from `anchor`; the first
  // place that touches nothing wins, else the nearest place in the first
  // direction that touches least.
  PlacedLabel Place(const std::string& text, bool bold, PointMm anchor, const std::vector<PointMm>& directions) {
    const auto [width, height] = measure_(text, bold);
    RectMm best{};
    int best_hits = std::numeric_limits<int>::max();
    for (const double gap : kLabelGapsMm) {
      for (const PointMm d : directions) {
        const double reach = gap + std::fabs(d.x) * width / 2 + std::fabs(d.y) * height / 2;
        const PointMm centre = Plus(anchor, Scaled(d, reach));
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

 private:
  int Hits(const RectMm& box) const {
    int hits = 0;
    for (const auto& [a, b] : segments_) hits += SegmentMeetsRect(a, b, box);
    for (const RectMm& other : boxes_) hits += box.Overlaps(other);
    return hits;
  }
  PlacedLabel Keep(PlacedLabel label) {
    boxes_.push_back(label.box);
    if (label.leader) segments_.push_back({label.anchor, LeaderEnd(label)});
    return label;
  }

  const MeasureText& measure_;
  std::vector<std::pair<PointMm, PointMm>> segments_;
  std::vector<RectMm> boxes_;
};

// Directions to try, the preferred one first, then its neighbours by turns.
std::vector<PointMm> Fan(PointMm preferred) {
  std::vector<PointMm> fan{preferred, Scaled(preferred, -1)};
  for (const double degrees : {45.0, -45.0, 90.0, -90.0, 135.0, -135.0}) fan.push_back(Rotated(preferred, degrees));
  return fan;
}

}  // namespace

PointMm LeaderEnd(const PlacedLabel& label) {
  return {std::clamp(label.anchor.x, label.box.left, label.box.Right()),
          std::clamp(label.anchor.y, label.box.top, label.box.Bottom())};
}

NoonMarkDrawing LayOutNoonMark(const sundial::NoonMark& mark, const NoonMarkWords& words, const MeasureText& measure) {
  NoonMarkDrawing drawing;
  // The plate as it is seen: its x to the right, its y up the page.
  drawing.mirrored = !mark.input.orientation && mark.input.surface == sundial::Surface::kWallFacingNorth;
  auto on_paper = [](const sundial::ShadowPoint& p) { return PointMm{p.x_mm, -p.y_mm}; };
  const int year = mark.input.year;

  // The curve, one piece for each run of consecutive days; the last day of the
  // year joins the first, which the next year's figure nearly repeats.
  std::vector<std::vector<std::size_t>> runs;
  for (std::size_t i = 0; i < mark.days.size(); ++i) {
    const auto& day = mark.days[i];
    const bool follows = i > 0 && DayNumber(year, day.month, day.day) ==
                                      DayNumber(year, mark.days[i - 1].month, mark.days[i - 1].day) + 1;
    if (!follows) runs.emplace_back();
    runs.back().push_back(i);
  }
  const bool whole_year_joins = !runs.empty() && mark.days.front().month == 1 && mark.days.front().day == 1 &&
                                mark.days.back().month == 12 && mark.days.back().day == 31;
  if (whole_year_joins) {
    if (runs.size() == 1) {
      runs.front().push_back(0);
    } else {
      runs.back().insert(runs.back().end(), runs.front().begin(), runs.front().end());
      runs.erase(runs.begin());
    }
  }
  for (const auto& run : runs) {
    std::vector<PointMm> piece;
    for (const std::size_t i : run) piece.push_back(on_paper(mark.days[i].shadow));
    drawing.curve.push_back(piece);
  }

  // The meridian through every noon shadow, end to end. The meridian's plane holds
  // the nodus; it holds the foot too where the plate's normal lies in it (a floor,
  // a wall facing south or north), and the line runs through the foot. On a plate
  // facing another way the line passes the foot by, and the noon shadows of a low
  // Sun run out along it far from the figure: it is drawn as far out as the figure
  // reaches, and a tenth more.
  const auto& orientation = mark.input.orientation;
  const bool through_foot = !orientation || orientation->tilt_degrees == 0 ||
                            std::remainder(orientation->facing_degrees, 180.0) == 0;
  double reach = std::numeric_limits<double>::infinity();
  if (orientation) {
    reach = 0;
    for (const auto& day : mark.days) reach = std::max(reach, std::hypot(day.shadow.x_mm, day.shadow.y_mm));
    reach *= 1.1;
  }
  std::vector<PointMm> meridian;
  if (through_foot) meridian.push_back(drawing.foot);
  for (const auto& noon : mark.meridian) {
    if (std::hypot(noon.shadow.x_mm, noon.shadow.y_mm) <= reach) meridian.push_back(on_paper(noon.shadow));
  }
  std::sort(meridian.begin(), meridian.end(),
            [](PointMm a, PointMm b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
  drawing.meridian = meridian;

  LabelPlacer placer(measure);
  for (const auto& piece : drawing.curve) placer.AvoidPolyline(piece);
  placer.AvoidPolyline(drawing.meridian);
  placer.AvoidBox(Around(drawing.foot, kFootRadiusMm));

  // The middle of the figure: labels go away from it.
  PointMm middle{0, 0};
  for (const auto& day : mark.days) middle = Plus(middle, on_paper(day.shadow));
  if (!mark.days.empty()) middle = Scaled(middle, 1.0 / static_cast<double>(mark.days.size()));

  struct Marker {
    std::size_t index;  // into mark.days
    std::string text;
    bool season;
  };
  std::vector<Marker> markers;
  for (std::size_t i = 0; i < mark.days.size(); ++i) {
    const auto& day = mark.days[i];
    std::string text = words.date(day.month, day.day);
    bool season = false;
    for (const auto& s : mark.seasons) {
      if (s.month == day.month && s.day == day.day) {
        text += " " + words.season_names[static_cast<std::size_t>(s.season)];
        season = true;
      }
    }
    if (season || sundial::IsTickDay(day.day)) markers.push_back({i, text, season});
  }
  // Each marker's normal to the curve, from its neighbours along the year.
  auto normal_at = [&](std::size_t i) {
    const std::size_t before = i > 0 ? i - 1 : (whole_year_joins ? mark.days.size() - 1 : i);
    const std::size_t after = i + 1 < mark.days.size() ? i + 1 : (whole_year_joins ? 0 : i);
    const PointMm tangent = Unit(Minus(on_paper(mark.days[after].shadow), on_paper(mark.days[before].shadow)));
    return PointMm{-tangent.y, tangent.x};
  };
  for (const Marker& m : markers) {
    const PointMm p = on_paper(mark.days[m.index].shadow);
    const PointMm n = normal_at(m.index);
    if (m.season) {
      drawing.season_points.push_back(p);
      placer.AvoidBox(Around(p, kSeasonDotMm / 2));
    }
    if (sundial::IsTickDay(mark.days[m.index].day)) {
      const PointMm a = Plus(p, Scaled(n, kTickMm / 2));
      const PointMm b = Plus(p, Scaled(n, -kTickMm / 2));
      drawing.ticks.push_back({a, b});
      placer.AvoidSegment(a, b);
    }
  }
  // The foot and the meridian's name (beside the line between the foot and the
  // figure) first: they have fewer places to go than the dates.
  drawing.labels.push_back(placer.Place(words.foot, false, drawing.foot, Fan({-1, 0})));
  if (drawing.meridian.size() > 1) {
    const PointMm top = drawing.meridian.front();
    const PointMm bottom = drawing.meridian.back();
    const double from_foot_top = std::hypot(top.x, top.y);
    const double from_foot_bottom = std::hypot(bottom.x, bottom.y);
    const PointMm far = from_foot_top > from_foot_bottom ? top : bottom;
    // Between the foot and the figure; on a line that passes the foot by, its middle.
    const PointMm at = through_foot ? Plus(drawing.foot, Scaled(Minus(far, drawing.foot), 0.5))
                                    : Scaled(Plus(top, bottom), 0.5);
    drawing.labels.push_back(placer.Place(words.meridian, false, at, Fan({1, 0})));
  }

  for (const Marker& m : markers) {
    const PointMm p = on_paper(mark.days[m.index].shadow);
    PointMm n = normal_at(m.index);
    if ((p.x - middle.x) * n.x + (p.y - middle.y) * n.y < 0) n = Scaled(n, -1);
    drawing.labels.push_back(placer.Place(m.text, m.season, p, Fan(n)));
  }

  // Everything drawn, labels included.
  RectMm bounds = Around(drawing.foot, kFootRadiusMm);
  auto include = [&](PointMm p) { bounds = bounds.United({p.x, p.y, 0, 0}); };
  for (const auto& piece : drawing.curve) std::for_each(piece.begin(), piece.end(), include);
  std::for_each(drawing.meridian.begin(), drawing.meridian.end(), include);
  for (const auto& [a, b] : drawing.ticks) {
    include(a);
    include(b);
  }
  for (const PlacedLabel& label : drawing.labels) bounds = bounds.United(label.box);
  drawing.bounds = bounds;
  return drawing;
}

}  // namespace paper
