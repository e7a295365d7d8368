// SPDX-License-Identifier: MIT
#include "sheet_layout/noon_mark_layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace paper {
namespace {

constexpr double kFootCrossMm = 4;     // the cross through the foot reaches this far
constexpr double kSeasonDotMm = 1.6;   // the dot's diameter

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

// The plate as it is seen: its x to the right (east on a floor and on a wall
// facing south, west on one facing north), its y up the page.
PointMm OnPaper(const sundial::NoonMark&, const sundial::ShadowPoint& p) { return {p.x_mm, -p.y_mm}; }

// Whether the meridian line runs through the foot of the nodus. The meridian's
// plane holds the nodus; it holds the foot too where the plate's normal lies in
// it (a floor, a wall facing south or north). On a plate facing another way the
// line passes the foot by.
bool MeridianThroughFoot(const sundial::NoonMark& mark) {
  const auto& orientation = mark.input.orientation;
  return !orientation || orientation->tilt_degrees == 0 || std::remainder(orientation->facing_degrees, 180.0) == 0;
}

// The days hold 1 January and 31 December: the curve runs on from the last to
// the first.
bool WholeYearJoins(const sundial::NoonMark& mark) {
  return !mark.days.empty() && mark.days.front().month == 1 && mark.days.front().day == 1 &&
         mark.days.back().month == 12 && mark.days.back().day == 31;
}

// Each tick's day: the index into mark.days of the days that carry a tick.
std::vector<std::size_t> TickDays(const sundial::NoonMark& mark) {
  std::vector<std::size_t> days;
  for (std::size_t i = 0; i < mark.days.size(); ++i) {
    if (sundial::IsTickDay(mark.days[i].day)) days.push_back(i);
  }
  return days;
}

// The unit normal to the curve at day `i`, from its neighbours along the year.
PointMm NormalAt(const sundial::NoonMark& mark, std::size_t i) {
  const bool joins = WholeYearJoins(mark);
  const std::size_t before = i > 0 ? i - 1 : (joins ? mark.days.size() - 1 : i);
  const std::size_t after = i + 1 < mark.days.size() ? i + 1 : (joins ? 0 : i);
  const PointMm tangent =
      Unit(Minus(OnPaper(mark, mark.days[after].shadow), OnPaper(mark, mark.days[before].shadow)));
  return {-tangent.y, tangent.x};
}

}  // namespace

NoonMarkDrawing LayOutNoonMarkLines(const sundial::NoonMark& mark) {
  NoonMarkDrawing drawing;
  drawing.mirrored = !mark.input.orientation && mark.input.surface == sundial::Surface::kWallFacingNorth;
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
  if (WholeYearJoins(mark)) {
    if (runs.size() == 1) {
      runs.front().push_back(0);
    } else {
      runs.back().insert(runs.back().end(), runs.front().begin(), runs.front().end());
      runs.erase(runs.begin());
    }
  }
  for (const auto& run : runs) {
    std::vector<PointMm> piece;
    for (const std::size_t i : run) piece.push_back(OnPaper(mark, mark.days[i].shadow));
    drawing.curve.push_back(piece);
  }

  // The meridian through every noon shadow, end to end, and through the foot where
  // it lies on the line. On a plate where it does not, the noon shadows of a low
  // Sun run out along the line far from the figure: it is drawn as far out as the
  // figure reaches, and a tenth more.
  double reach = std::numeric_limits<double>::infinity();
  if (mark.input.orientation) {
    reach = 0;
    for (const auto& day : mark.days) reach = std::max(reach, std::hypot(day.shadow.x_mm, day.shadow.y_mm));
    reach *= 1.1;
  }
  std::vector<PointMm> meridian;
  if (MeridianThroughFoot(mark)) meridian.push_back(drawing.foot);
  for (const auto& noon : mark.meridian) {
    if (std::hypot(noon.shadow.x_mm, noon.shadow.y_mm) <= reach) meridian.push_back(OnPaper(mark, noon.shadow));
  }
  std::sort(meridian.begin(), meridian.end(),
            [](PointMm a, PointMm b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
  drawing.meridian = meridian;

  for (const std::size_t i : TickDays(mark)) {
    const PointMm p = OnPaper(mark, mark.days[i].shadow);
    const PointMm n = NormalAt(mark, i);
    drawing.ticks.push_back({Plus(p, Scaled(n, kTickMm / 2)), Plus(p, Scaled(n, -kTickMm / 2))});
  }
  for (const auto& day : mark.days) {
    for (const auto& s : mark.seasons) {
      if (s.month == day.month && s.day == day.day) drawing.season_points.push_back(OnPaper(mark, day.shadow));
    }
  }

  // Everything drawn so far.
  RectMm bounds = Around(drawing.foot, kFootCrossMm);
  auto include = [&](PointMm p) { bounds = bounds.United({p.x, p.y, 0, 0}); };
  for (const auto& piece : drawing.curve) std::for_each(piece.begin(), piece.end(), include);
  std::for_each(drawing.meridian.begin(), drawing.meridian.end(), include);
  for (const auto& [a, b] : drawing.ticks) {
    include(a);
    include(b);
  }
  drawing.bounds = bounds;
  return drawing;
}

void PlaceNoonMarkLabels(NoonMarkDrawing& drawing, const sundial::NoonMark& mark, const NoonMarkWords& words,
                         const MeasureText& measure, const LabelRoom& room) {
  LabelPlacer placer(measure, room);
  for (const auto& piece : drawing.curve) placer.AvoidPolyline(piece);
  placer.AvoidPolyline(drawing.meridian);
  constexpr std::size_t kFoot = kNoOwner - 1;
  placer.AvoidBox(Around(drawing.foot, kFootCrossMm), kFoot);
  for (std::size_t i = 0; i < mark.days.size(); ++i) {
    for (const auto& s : mark.seasons) {
      if (s.month == mark.days[i].month && s.day == mark.days[i].day) {
        placer.AvoidBox(Around(OnPaper(mark, mark.days[i].shadow), kSeasonDotMm / 2), i);
      }
    }
  }
  const std::vector<std::size_t> tick_days = TickDays(mark);
  for (std::size_t k = 0; k < tick_days.size() && k < drawing.ticks.size(); ++k) {
    placer.AvoidSegment(drawing.ticks[k].first, drawing.ticks[k].second, tick_days[k]);
  }

  // The middle of the figure: labels go away from it.
  PointMm middle{0, 0};
  for (const auto& day : mark.days) middle = Plus(middle, OnPaper(mark, day.shadow));
  if (!mark.days.empty()) middle = Scaled(middle, 1.0 / static_cast<double>(mark.days.size()));

  struct Marker {
    std::size_t index;  // into mark.days
    std::string text;
    bool season;
    int rank;  // 0 the seasons, 1 the 1st of a month, 2 the 11th and 21st
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
    if (season || sundial::IsTickDay(day.day)) markers.push_back({i, text, season, season ? 0 : day.day == 1 ? 1 : 2});
  }
  std::stable_sort(markers.begin(), markers.end(), [](const Marker& a, const Marker& b) { return a.rank < b.rank; });

  auto place_marker = [&](const Marker& m) {
    const PointMm p = OnPaper(mark, mark.days[m.index].shadow);
    PointMm n = NormalAt(mark, m.index);
    if ((p.x - middle.x) * n.x + (p.y - middle.y) * n.y < 0) n = Scaled(n, -1);
    if (auto label = placer.Place(m.text, m.season, p, Fan(n), m.index, m.season)) drawing.labels.push_back(*label);
  };
  // The seasons first, then the foot and the meridian's name (beside the line
  // between the foot and the figure), which have few places to go, then the dates.
  for (const Marker& m : markers) {
    if (m.season) place_marker(m);
  }
  if (auto label = placer.Place(words.foot, false, drawing.foot, Fan({-1, 0}), kFoot, true, kFootCrossMm)) {
    drawing.labels.push_back(*label);
  }
  if (drawing.meridian.size() > 1) {
    const PointMm top = drawing.meridian.front();
    const PointMm bottom = drawing.meridian.back();
    const PointMm far = std::hypot(top.x, top.y) > std::hypot(bottom.x, bottom.y) ? top : bottom;
    // Between the foot and the figure; on a line that passes the foot by, its middle.
    const PointMm at = MeridianThroughFoot(mark) ? Plus(drawing.foot, Scaled(Minus(far, drawing.foot), 0.5))
                                                 : Scaled(Plus(top, bottom), 0.5);
    if (auto label = placer.Place(words.meridian, false, at, Fan({1, 0}), kNoOwner, true)) {
      drawing.labels.push_back(*label);
    }
  }
  for (const Marker& m : markers) {
    if (!m.season) place_marker(m);
  }
  for (const PlacedLabel& label : drawing.labels) drawing.bounds = drawing.bounds.United(label.box);
}

NoonMarkDrawing LayOutNoonMark(const sundial::NoonMark& mark, const NoonMarkWords& words, const MeasureText& measure) {
  NoonMarkDrawing drawing = LayOutNoonMarkLines(mark);
  const double anywhere = 1e7;
  PlaceNoonMarkLabels(drawing, mark, words, measure, RoomOfPage({-anywhere, -anywhere, 2 * anywhere, 2 * anywhere}));
  return drawing;
}

}  // namespace paper
