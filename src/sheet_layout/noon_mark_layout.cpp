// SPDX-License-Identifier: MIT
#include "sheet_layout/noon_mark_layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace paper {
namespace {

constexpr double kFootRadiusMm = 2.5;
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
RectMm Around(PointMm p, double half) { return {p.x - half, p.y - half, 2 * half, 2 * half}; }

}  // namespace

NoonMarkDrawing LayOutNoonMark(const sundial::NoonMark& mark, const NoonMarkWords& words, const MeasureText& measure) {
  NoonMarkDrawing drawing;
  drawing.mirrored = mark.input.surface == sundial::Surface::kWallFacingNorth;
  const double sense = drawing.mirrored ? -1 : 1;
  auto on_paper = [&](const sundial::ShadowPoint& p) { return PointMm{sense * p.x_mm, -p.y_mm}; };
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

  // The meridian through every noon shadow and the foot, end to end.
  std::vector<PointMm> meridian{drawing.foot};
  for (const auto& noon : mark.meridian) meridian.push_back(on_paper(noon.shadow));
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
    const PointMm at = Plus(drawing.foot, Scaled(Minus(far, drawing.foot), 0.5));
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
