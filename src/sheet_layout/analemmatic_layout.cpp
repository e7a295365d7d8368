// SPDX-License-Identifier: MIT
#include "sheet_layout/analemmatic_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "sundial/apparent_noon.h"

namespace paper {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kTickMm = 2.5;         // a month's tick on the date scale
constexpr double kSeasonTickMm = 4;     // a solstice's or an equinox's
constexpr double kColumnGapMm = 1;      // from a tick's end to its label
constexpr double kLabelClearMm = 0.4;   // kept free around a placed label
constexpr double kHourDotMm = 1.4;      // diameters of the marks
constexpr double kHalfDotMm = 0.9;
constexpr double kFocusMarkMm = 2;
constexpr double kGapsMm[] = {1.0, 2.2, 3.8, 6.0};

PointMm Plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm Scaled(PointMm p, double k) { return {p.x * k, p.y * k}; }
PointMm Unit(PointMm p) {
  const double length = std::hypot(p.x, p.y);
  return length > 0 ? Scaled(p, 1 / length) : PointMm{0, -1};
}

std::string ClockText(int minutes) {
  const int m = ((minutes % 1440) + 1440) % 1440;
  const std::string hours = std::to_string(m / 60);
  if (m % 60 == 0) return hours;
  return hours + ":" + (m % 60 < 10 ? "0" : "") + std::to_string(m % 60);
}

// Where labels must not go, and the search for a free place near a point.
class Placer {
 public:
  void AvoidPolyline(const std::vector<PointMm>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) segments_.push_back({points[i], points[i + 1]});
  }
  void AvoidSegment(PointMm a, PointMm b) { segments_.push_back({a, b}); }
  void AvoidBox(const RectMm& box) { boxes_.push_back(box); }

  // The first place along `directions` from `anchor`, at growing gaps, that touches
  // nothing; else, when `required`, the place at the first gap in the first
  // direction that touches least; else none.
  std::optional<RectMm> Place(PointMm anchor, double width, double height, const std::vector<PointMm>& directions,
                              bool required, bool& leader) {
    RectMm best{};
    int best_hits = std::numeric_limits<int>::max();
    for (const double gap : kGapsMm) {
      for (const PointMm d : directions) {
        const double reach = gap + std::fabs(d.x) * width / 2 + std::fabs(d.y) * height / 2;
        const PointMm centre = Plus(anchor, Scaled(d, reach));
        const RectMm box{centre.x - width / 2, centre.y - height / 2, width, height};
        const int hits = Hits(box.Grown(kLabelClearMm));
        if (hits == 0) {
          leader = gap > kGapsMm[0];
          Keep(box, anchor, leader);
          return box;
        }
        if (gap == kGapsMm[0] && hits < best_hits) {
          best = box;
          best_hits = hits;
        }
      }
    }
    if (!required) return std::nullopt;
    leader = false;
    Keep(best, anchor, false);
    return best;
  }

 private:
  int Hits(const RectMm& box) const {
    int hits = 0;
    for (const auto& [a, b] : segments_) hits += SegmentMeetsRect(a, b, box);
    for (const RectMm& other : boxes_) hits += box.Overlaps(other);
    return hits;
  }
  void Keep(const RectMm& box, PointMm anchor, bool leader) {
    boxes_.push_back(box);
    if (leader) {
      segments_.push_back({anchor, LeaderEnd(AnalemmaticLabel{{}, 0, false, false, box, anchor, true})});
    }
  }

  std::vector<std::pair<PointMm, PointMm>> segments_;
  std::vector<RectMm> boxes_;
};

// The preferred direction, then its neighbours by turns, the opposite last.
std::vector<PointMm> Fan(PointMm preferred) {
  std::vector<PointMm> fan{preferred};
  for (const double degrees : {25.0, -25.0, 50.0, -50.0, 80.0, -80.0, 115.0, -115.0}) {
    fan.push_back(Rotated(preferred, degrees));
  }
  fan.push_back(Scaled(preferred, -1));
  return fan;
}

// Labels in a column beside the date scale: each wants the height of its tick;
// where they would touch they are pushed apart, each group of touching labels
// centred on its ticks.
struct ColumnLabel {
  AnalemmaticLabel label;
  double want_y;  // the centre it wants
};

void StackColumn(std::vector<ColumnLabel>& column) {
  std::sort(column.begin(), column.end(), [](const auto& a, const auto& b) { return a.want_y < b.want_y; });
  struct Group {
    std::size_t first, count;
    double top, height;
  };
  std::vector<Group> groups;
  for (std::size_t i = 0; i < column.size(); ++i) {
    const double height = column[i].label.box.height + 2 * kLabelClearMm;
    groups.push_back({i, 1, column[i].want_y - height / 2, height});
    // Merge with the group above while they touch; a merged group sits where its
    // labels' wishes balance.
    while (groups.size() > 1) {
      Group& above = groups[groups.size() - 2];
      const Group& below = groups.back();
      if (above.top + above.height <= below.top) break;
      Group merged{above.first, above.count + below.count, 0, above.height + below.height};
      double offsets = 0;  // sum over the labels of (wish − top of the group) less its place in it
      double stacked = 0;
      for (std::size_t j = merged.first; j < merged.first + merged.count; ++j) {
        const double h = column[j].label.box.height + 2 * kLabelClearMm;
        offsets += column[j].want_y - (stacked + h / 2);
        stacked += h;
      }
      merged.top = offsets / static_cast<double>(merged.count);
      groups.pop_back();
      groups.back() = merged;
    }
  }
  for (const Group& group : groups) {
    double y = group.top;
    for (std::size_t j = group.first; j < group.first + group.count; ++j) {
      RectMm& box = column[j].label.box;
      box.top = y + kLabelClearMm;
      y += box.height + 2 * kLabelClearMm;
      column[j].label.leader = std::fabs(box.top + box.height / 2 - column[j].want_y) > 0.3;
    }
  }
}

bool FirstHalf(const sundial::AnalemmaticDate& date) {
  switch (date.kind) {
    case sundial::DateMarkKind::kMonth:
      return date.month <= 6;
    case sundial::DateMarkKind::kMarchEquinox:
    case sundial::DateMarkKind::kJuneSolstice:
      return true;
    case sundial::DateMarkKind::kSeptemberEquinox:
    case sundial::DateMarkKind::kDecemberSolstice:
      break;
  }
  return false;
}

}  // namespace

PointMm LeaderEnd(const AnalemmaticLabel& label) {
  return {std::clamp(label.anchor.x, label.box.left, label.box.Right()),
          std::clamp(label.anchor.y, label.box.top, label.box.Bottom())};
}

std::vector<long> RoundScaleDenominators() {
  std::vector<long> scales;
  for (long decade = 1; decade <= 100000; decade *= 10) {
    for (const long tenths : {10L, 20L, 25L, 30L, 40L, 50L}) {
      if (decade * tenths % 10 == 0) scales.push_back(decade * tenths / 10);
    }
  }
  scales.push_back(1000000);
  return scales;
}

AnalemmaticDrawing LayOutAnalemmatic(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                     int summer_seconds, long scale_denominator, const AnalemmaticWords& words,
                                     const MeasureLabel& measure) {
  AnalemmaticDrawing drawing;
  drawing.scale_denominator = scale_denominator;
  const double k = 1000.0 / static_cast<double>(scale_denominator);  // paper mm a metre
  auto on_paper = [k](double x_m, double y_m) { return PointMm{x_m * k, -y_m * k}; };
  const double M = input.semi_major_m;
  const double phi = input.place.latitude_degrees * kDegree;
  const double b = M * std::sin(phi);

  for (int degrees = 0; degrees <= 360; ++degrees) {
    const double H = degrees * kDegree;
    drawing.ellipse.push_back(on_paper(M * std::sin(H), b * std::cos(H)));
  }
  drawing.ellipse.back() = drawing.ellipse.front();
  for (const auto& hour : dial.hours) {
    (hour.half_hour ? drawing.half_points : drawing.hour_points).push_back(on_paper(hour.point.x_m, hour.point.y_m));
  }
  const double focus = M * std::cos(phi);
  drawing.foci = {on_paper(-focus, 0), on_paper(focus, 0)};

  double south = 0;
  double north = 0;
  for (const auto& date : dial.dates) {
    south = std::min(south, date.y_m);
    north = std::max(north, date.y_m);
  }
  drawing.scale_south = on_paper(0, south);
  drawing.scale_north = on_paper(0, north);

  Placer placer;
  placer.AvoidPolyline(drawing.ellipse);
  placer.AvoidSegment(drawing.scale_south, drawing.scale_north);
  for (const PointMm p : drawing.hour_points) placer.AvoidBox(Around(p, kHourDotMm / 2));
  for (const PointMm p : drawing.half_points) placer.AvoidBox(Around(p, kHalfDotMm / 2));
  for (const PointMm p : drawing.foci) placer.AvoidBox(Around(p, kFocusMarkMm / 2));
  placer.AvoidBox(Around({0, 0}, kFocusMarkMm / 2));

  // The date scale: ticks, and the names in a column on each side.
  std::vector<ColumnLabel> columns[2];  // west, east
  for (const auto& date : dial.dates) {
    const bool season = date.kind != sundial::DateMarkKind::kMonth;
    const bool west = FirstHalf(date);
    const double side = west ? -1 : 1;
    const PointMm at = on_paper(0, date.y_m);
    const PointMm end{side * (season ? kSeasonTickMm : kTickMm), at.y};
    drawing.date_ticks.push_back({at, end});
    placer.AvoidSegment(at, end);
    const std::string text = season ? words.date(date.month, date.day) + " " +
                                          words.season_names[static_cast<std::size_t>(date.kind) - 1]
                                    : words.month(date.month);
    const auto [width, height] = measure(text, kDatePoints, season);
    const double left = west ? -kSeasonTickMm - kColumnGapMm - width : kSeasonTickMm + kColumnGapMm;
    columns[west ? 0 : 1].push_back(
        {{text, kDatePoints, season, false, {left, at.y - height / 2, width, height}, end, false}, at.y});
  }
  for (auto& column : columns) {
    StackColumn(column);
    for (const ColumnLabel& c : column) {
      placer.AvoidBox(c.label.box);
      if (c.label.leader) placer.AvoidSegment(c.label.anchor, LeaderEnd(c.label));
      drawing.labels.push_back(c.label);
    }
  }

  // The numerals: outside the ellipse along its normal, summer ones inside; full
  // hours before half hours, which give way.
  auto outward = [&](const sundial::AnalemmaticHour& hour) {
    return Unit({hour.point.x_m / (M * M), -hour.point.y_m / (b * b)});
  };
  for (const bool half : {false, true}) {
    for (const bool summer : {false, true}) {
      if (summer && summer_seconds == 0) continue;
      for (const auto& hour : dial.hours) {
        if (hour.half_hour != half) continue;
        const int minutes = hour.clock_minutes + (summer ? summer_seconds / 60 : 0);
        const bool whole = ((minutes % 60) + 60) % 60 == 0;
        const double points = summer ? (whole ? kSummerHourPoints : kSummerHalfHourPoints)
                                     : (whole ? kHourPoints : kHalfHourPoints);
        const std::string text = ClockText(minutes);
        const auto [width, height] = measure(text, points, whole);
        const PointMm anchor = on_paper(hour.point.x_m, hour.point.y_m);
        const PointMm normal = outward(hour);
        bool leader = false;
        const auto box = placer.Place(anchor, width, height, Fan(summer ? Scaled(normal, -1) : normal), !half, leader);
        if (box) drawing.labels.push_back({text, points, whole, summer, *box, anchor, leader});
      }
    }
  }
  for (const PointMm f : drawing.foci) {
    const auto [width, height] = measure(words.focus, kHalfHourPoints, false);
    bool leader = false;
    if (const auto box = placer.Place(f, width, height, Fan({0, 1}), false, leader)) {
      drawing.labels.push_back({words.focus, kHalfHourPoints, false, false, *box, f, leader});
    }
  }

  RectMm bounds = Around({0, 0}, kFocusMarkMm / 2);
  auto include = [&bounds](PointMm p) { bounds = bounds.United({p.x, p.y, 0, 0}); };
  std::for_each(drawing.ellipse.begin(), drawing.ellipse.end(), include);
  for (const PointMm f : drawing.foci) bounds = bounds.United(Around(f, kFocusMarkMm / 2));
  include(drawing.scale_south);
  include(drawing.scale_north);
  for (const auto& [a, e] : drawing.date_ticks) include(e);
  for (const auto& label : drawing.labels) bounds = bounds.United(label.box);
  drawing.bounds = bounds;
  return drawing;
}

std::vector<DialCorrection> AnalemmaticCorrections(const sundial::AnalemmaticInput& input) {
  std::vector<DialCorrection> corrections;
  for (int month = 1; month <= 12; ++month) {
    for (const int day : {1, 15}) {
      const double minutes =
          sundial::EquationOfTimeAtNoonMinutes(input.year, month, day, input.place.longitude_east_degrees);
      corrections.push_back({month, day, static_cast<int>(std::lround(-minutes * 60))});
    }
  }
  return corrections;
}

}  // namespace paper
