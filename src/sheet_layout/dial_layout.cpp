// SPDX-License-Identifier: MIT
#include "sheet_layout/dial_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "sundial/plate_sunlight.h"
#include "sundial/year_days.h"

namespace paper {
namespace {

constexpr double kFootRadiusMm = 2.5;
constexpr double kFootCrossMm = 4;       // the cross through the foot reaches this far
constexpr double kDotMm = 1.4;           // the centre's and the nodus's dots
constexpr double kPlateMarginMm = 8;     // around everything drawn on the plate
constexpr double kLabelInsidePlateMm = 3;  // a label on a plate of a fixed size keeps this far inside it
constexpr double kTemplateGapMm = 15;    // between the plate and the gnomon's template
constexpr double kRodWidthMm = 3;        // the template of a style square to the plate
constexpr double kCentreOnPlate = 1.5;   // the centre is drawn up to this many times the lines' reach

PointMm Scaled(PointMm p, double k) { return {p.x * k, p.y * k}; }
PointMm Plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm Minus(PointMm a, PointMm b) { return {a.x - b.x, a.y - b.y}; }
double Length(PointMm p) { return std::hypot(p.x, p.y); }
PointMm Unit(PointMm p, PointMm otherwise = {0, -1}) {
  const double length = Length(p);
  return length > 1e-9 ? Scaled(p, 1 / length) : otherwise;
}
RectMm BoxOf(const std::vector<PointMm>& points) {
  RectMm box{points.front().x, points.front().y, 0, 0};
  for (const PointMm p : points) box = box.United({p.x, p.y, 0, 0});
  return box;
}
std::vector<PointMm> Outline(const RectMm& r) {
  return {{r.left, r.top}, {r.Right(), r.top}, {r.Right(), r.Bottom()}, {r.left, r.Bottom()}, {r.left, r.top}};
}

RectMm Intersection(const RectMm& a, const RectMm& b) {
  const double left = std::max(a.left, b.left);
  const double top = std::max(a.top, b.top);
  return {left, top, std::max(0.0, std::min(a.Right(), b.Right()) - left),
          std::max(0.0, std::min(a.Bottom(), b.Bottom()) - top)};
}

// The plate's millimetres (y up the slope) on paper (y down).
PointMm OnPaper(const sundial::ShadowPoint& p) { return {p.x_mm, -p.y_mm}; }

// "+20.15°", "−" as "-": the same in every locale.
std::string Degrees(double value, int decimals) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  const std::string digits(text, error == std::errc() ? end : text);
  return (digits[0] == '-' ? "" : "+") + digits + "°";
}

// The dates of `year` on which the noon declination passes `declination`: the
// day nearest each crossing, in the order of the year; the extreme day for a
// solstice's declination, which the Sun may not quite reach.
std::vector<sundial::CalendarDay> DatesOfDeclination(const sundial::Dial& dial, double declination) {
  const std::vector<sundial::CalendarDay> days = sundial::DaysOfYear(dial.year);
  std::vector<double> values;
  values.reserve(days.size());
  for (const auto& [month, day] : days) {
    values.push_back(sundial::NoonDeclinationDegrees(dial.year, month, day, dial.place.longitude_east_degrees));
  }
  if (std::fabs(declination) >= sundial::kTropicDegrees - 0.01) {
    const sundial::SeasonIndices seasons = sundial::SeasonsOf(values);
    return {days[declination > 0 ? seasons.june_solstice : seasons.december_solstice]};
  }
  std::vector<sundial::CalendarDay> dates;
  for (std::size_t i = 0; i + 1 < days.size(); ++i) {
    const double a = values[i] - declination;
    const double b = values[i + 1] - declination;
    if ((a < 0) != (b < 0)) dates.push_back(days[std::fabs(a) <= std::fabs(b) ? i : i + 1]);
  }
  return dates;
}

std::string DeclinationLineText(const DialFigure& figure, const sundial::DateLine& line, SheetLanguage language,
                                const DialWords& words) {
  std::string dates;
  for (const auto& [month, day] : DatesOfDeclination(figure.dial, line.declination_degrees)) {
    dates += (dates.empty() ? "" : words.date_separator) + DialDateText(language, month, day);
  }
  const bool north = figure.dial.place.latitude_degrees >= 0;
  if (line.declination_degrees > 23) return (north ? words.summer_solstice : words.winter_solstice) + " " + dates;
  if (line.declination_degrees < -23) return (north ? words.winter_solstice : words.summer_solstice) + " " + dates;
  if (line.declination_degrees == 0) return words.equinoxes + " " + dates;
  return dates + " (" + Degrees(line.declination_degrees, 2) + ")";
}

// Every point of an hour line on paper.
std::vector<PointMm> PointsOf(const sundial::HourLine& line) {
  std::vector<PointMm> points;
  for (const auto& p : line.points) points.push_back(OnPaper(p.point));
  for (const auto* half : {&line.december_to_june, &line.june_to_december}) {
    for (const auto& run : *half) {
      for (const auto& day : run) points.push_back(OnPaper(day.point));
    }
  }
  return points;
}

// A numeral: the hour, with its minutes when it has some (a summer amount of half
// an hour gives 12:30).
std::string NumeralText(int minutes) {
  char text[16];
  if (minutes % 60 == 0) {
    std::snprintf(text, sizeof text, "%d", minutes / 60 % 24);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d", minutes / 60 % 24, minutes % 60);
  }
  return text;
}

}  // namespace

DialFigure MakeDialFigure(const sundial::Dial& dial, int step_minutes, sundial::DateLineSet dates,
                          std::optional<int> summer_minutes) {
  DialFigure figure{dial,
                    sundial::PolarStyleOf(dial.plate, dial.place.latitude_degrees),
                    step_minutes,
                    sundial::HourLinesOf(dial, step_minutes, summer_minutes),
                    dates,
                    dates == sundial::DateLineSet::kNone ? std::vector<sundial::DateLine>{}
                                                         : sundial::DateLinesOf(dial, dates, 5),
                    {}};
  figure.days_without_lines = sundial::DaysWithoutLines(dial, figure.hour_lines);
  return figure;
}

DialWords DialWordsFor(SheetLanguage language) {
  if (language == SheetLanguage::kJapanese) {
    return {"ノーダスの足元", "中心（指時針と盤面の交点）", "サブスタイル（指時針の足跡）", "指時針（スタイル）",
            "ノーダスの高さ %1 mm", "指時針板の型紙（実寸、切り抜く）", "夏至", "冬至", "春分・秋分", "・",
            "8の字の実線：冬至から夏至（12月→6月）", "8の字の破線：夏至から冬至（6月→12月）"};
  }
  return {"foot of the nodus",  "centre (where the style meets the plate)",
          "substyle",           "style",
          "nodus height %1 mm", "gnomon template (true size, cut out)",
          "summer solstice",    "winter solstice",
          "equinoxes",          " & ",
          "figure of eight, solid: December to June solstice",
          "figure of eight, dashed: June to December solstice"};
}

std::string DialDateText(SheetLanguage language, int month, int day) {
  if (language == SheetLanguage::kJapanese) return std::to_string(month) + "/" + std::to_string(day);
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return std::to_string(day) + " " + kMonths[month - 1];
}

DialDrawing LayOutDial(const DialFigure& figure, SheetLanguage language, const MeasureText& measure) {
  constexpr double kAnywhere = 1e7;
  return LayOutDial(figure, language, measure, RoomOfPage({-kAnywhere, -kAnywhere, 2 * kAnywhere, 2 * kAnywhere}),
                    std::nullopt);
}

DialDrawing LayOutDial(const DialFigure& figure, SheetLanguage language, const MeasureText& measure,
                       const LabelRoom& room, const std::optional<RectMm>& fixed_plate) {
  const DialWords words = DialWordsFor(language);
  const sundial::PolarStyle& style = figure.style;
  DialDrawing drawing;
  // Each path's owner: its hour line's index, or the hour lines' count plus its
  // date line's index. A label may touch its own line.
  std::vector<std::size_t> owners;
  const std::size_t first_date_owner = figure.hour_lines.size();

  // The lines, and how far from the foot they reach.
  double reach = kFootRadiusMm;
  auto widen = [&](const std::vector<PointMm>& points) {
    for (const PointMm p : points) reach = std::max(reach, Length(p));
  };
  auto add_path = [&](DialPath path, std::size_t owner) {
    drawing.paths.push_back(std::move(path));
    owners.push_back(owner);
  };
  for (std::size_t i = 0; i < figure.hour_lines.size(); ++i) {
    const sundial::HourLine& line = figure.hour_lines[i];
    const DialStroke stroke = line.whole_hour ? DialStroke::kWholeHour : DialStroke::kStep;
    if (line.points.size() >= 2) {
      add_path({{OnPaper(line.points.front().point), OnPaper(line.points.back().point)}, stroke, false, false}, i);
    }
    for (const auto& [half, dashed] : {std::pair{&line.december_to_june, false}, std::pair{&line.june_to_december, true}}) {
      for (const sundial::DayRun& run : *half) {
        std::vector<PointMm> points;
        for (const auto& day : run) points.push_back(OnPaper(day.point));
        if (points.size() >= 2) add_path({points, stroke, dashed, true}, i);
      }
    }
    widen(PointsOf(line));
  }
  for (std::size_t i = 0; i < figure.date_lines.size(); ++i) {
    for (const auto& run : figure.date_lines[i].runs) {
      std::vector<PointMm> points;
      for (const auto& p : run) points.push_back(OnPaper(p.point));
      widen(points);
      if (points.size() >= 2) add_path({points, DialStroke::kDate, false, true}, first_date_owner + i);
    }
  }

  // The substyle through the foot, from the centre when it is on the plate.
  if (style.centre && Length(OnPaper(*style.centre)) <= kCentreOnPlate * reach) drawing.centre = OnPaper(*style.centre);
  std::optional<std::pair<PointMm, PointMm>> substyle;
  if (style.substyle_direction) {
    const PointMm towards = drawing.centre ? Unit(Minus(drawing.foot, *drawing.centre), OnPaper(*style.substyle_direction))
                                           : Unit(OnPaper(*style.substyle_direction));
    const PointMm far = Scaled(towards, reach);
    substyle = {drawing.centre ? *drawing.centre : Scaled(far, -1), far};
    add_path({{substyle->first, substyle->second}, DialStroke::kSubstyle, false, false}, kNoOwner);
  }

  // The labels on the plate: inside the room, and inside the plate when its size is
  // fixed. Each is kept: where nothing else is free, with its leader or itself over
  // a line, never over another label or a mark.
  constexpr std::size_t kFoot = kNoOwner - 1;
  constexpr std::size_t kCentre = kNoOwner - 2;
  LabelRoom plate_room = room;
  if (fixed_plate) plate_room.area = Intersection(room.area, fixed_plate->Grown(-kLabelInsidePlateMm));
  LabelPlacer placer(measure, plate_room);
  for (std::size_t i = 0; i < drawing.paths.size(); ++i) placer.AvoidPolyline(drawing.paths[i].points, owners[i]);
  placer.AvoidBox(Around(drawing.foot, kFootCrossMm), kFoot, true);
  if (drawing.centre) placer.AvoidBox(Around(*drawing.centre, kFootRadiusMm), kCentre, true);
  auto place = [&](const std::string& text, DialLabelKind kind, PointMm anchor, PointMm direction,
                   std::size_t owner = kNoOwner, double own_mark_mm = 0) {
    const bool numeral = kind == DialLabelKind::kNumeral || kind == DialLabelKind::kSummerNumeral;
    std::optional<PlacedLabel> label = placer.Place(text, numeral, anchor, Fan(direction), owner, true, own_mark_mm);
    // Where the labels crowd, the directions half way between too.
    if (!label) label = placer.Place(text, numeral, anchor, Fan(Rotated(direction, 22.5)), owner, true, own_mark_mm);
    if (label) drawing.labels.push_back({*label, kind});
  };
  place(words.foot, DialLabelKind::kNote, drawing.foot, {-1, 0}, kFoot, kFootCrossMm);
  if (drawing.centre) place(words.centre, DialLabelKind::kNote, *drawing.centre, {1, 0}, kCentre, kFootRadiusMm);

  // Numerals at the outer end of each whole hour's line: away from the centre, or
  // along the substyle when the lines are parallel.
  for (std::size_t i = 0; i < figure.hour_lines.size(); ++i) {
    const sundial::HourLine& line = figure.hour_lines[i];
    if (!line.whole_hour) continue;
    const std::vector<PointMm> points = PointsOf(line);
    if (points.empty()) continue;
    const PointMm reference = style.centre ? OnPaper(*style.centre) : drawing.foot;
    const std::optional<PointMm> along =
        style.centre || !style.substyle_direction ? std::nullopt : std::optional(Unit(OnPaper(*style.substyle_direction)));
    auto outward = [&](PointMm p) {
      return along ? (p.x * along->x + p.y * along->y) : Length(Minus(p, reference));
    };
    const PointMm end = *std::max_element(points.begin(), points.end(),
                                          [&](PointMm a, PointMm b) { return outward(a) < outward(b); });
    const PointMm direction = along ? *along : Unit(Minus(end, reference));
    place(NumeralText(line.minutes), DialLabelKind::kNumeral, end, direction, i);
    if (line.summer_minutes) place(NumeralText(*line.summer_minutes), DialLabelKind::kSummerNumeral, end, direction, i);
  }

  // Each date line named at one end: the months of the first half of the year at
  // its start, of the second at its end, so that the pairs of nearly equal
  // declinations are named apart.
  for (std::size_t i = 0; i < figure.date_lines.size(); ++i) {
    const sundial::DateLine& line = figure.date_lines[i];
    if (line.runs.empty() || line.runs.front().empty()) continue;
    const bool at_start = line.month == 0 || line.month <= 6;
    const auto& run = at_start ? line.runs.front() : line.runs.back();
    const PointMm end = OnPaper(at_start ? run.front().point : run.back().point);
    const PointMm next = OnPaper(run.size() > 1 ? (at_start ? run[1].point : run[run.size() - 2].point) : run.front().point);
    const std::string text = line.month > 0 ? DialDateText(language, line.month, line.day)
                                            : DeclinationLineText(figure, line, language, words);
    place(text, DialLabelKind::kDate, end, Unit(Minus(end, next), {1, 0}), first_date_owner + i);
  }
  if (substyle) {
    const PointMm at = Plus(substyle->second, Scaled(Minus(substyle->first, substyle->second), 0.2));
    const PointMm along = Unit(Minus(substyle->second, substyle->first));
    place(words.substyle, DialLabelKind::kNote, at, {-along.y, along.x});
  }

  // The plate: everything above with a margin, or the size fixed beforehand. The
  // labels off the plate may lie anywhere in the room.
  RectMm plate = Around(drawing.foot, kFootCrossMm);
  for (const DialPath& path : drawing.paths) plate = plate.United(BoxOf(path.points));
  for (const DialLabel& label : drawing.labels) plate = plate.United(label.placed.box);
  plate = fixed_plate ? *fixed_plate : plate.Grown(kPlateMarginMm);
  drawing.plate = plate;
  placer.SetRoom(room);
  drawing.paths.push_back({Outline(plate), DialStroke::kOutline, false, false});
  placer.AvoidPolyline(drawing.paths.back().points);

  // The gnomon's template beside the plate: the substyle along the bottom from the
  // centre to the foot, the height of the nodus up from the foot, the style from
  // the centre to the nodus at the style height. A style too low to meet the plate
  // near it is cut off at the plate's size; one square to the plate is a rod.
  const double height = figure.dial.plate.height_mm;
  const double psi = style.style_height_degrees * std::numbers::pi / 180;
  const double longest = std::max(plate.width, plate.height);
  const double base = style.centre_distance_mm ? std::min(*style.centre_distance_mm, longest) : longest;
  // Below the plate when it is wider than tall (the paper is upright), else beside
  // it; room above the template for its title.
  const bool below = plate.width >= plate.height;
  const double template_width = style.substyle_direction ? base : kRodWidthMm;
  const double left = below ? plate.left + std::max(0.0, (plate.width - template_width) / 2) : plate.Right() + kTemplateGapMm;
  const double bottom = (below ? plate.Bottom() + kTemplateGapMm : plate.top) + 8 + height;
  std::vector<PointMm> gnomon;
  PointMm nodus;
  PointMm style_low{left, bottom};  // where the template's style edge starts
  if (!style.substyle_direction) {
    gnomon = Outline({left, bottom - height, kRodWidthMm, height});
    nodus = {left + kRodWidthMm / 2, bottom - height};
  } else {
    const PointMm foot{left + base, bottom};
    nodus = {foot.x, bottom - height};
    const double rise_at_left = style.centre_distance_mm ? (*style.centre_distance_mm - base) * std::tan(psi) : height;
    style_low = {left, bottom - rise_at_left};
    gnomon = {{left, bottom}, foot, nodus};
    if (rise_at_left > 1e-6) gnomon.push_back(style_low);
    gnomon.push_back(gnomon.front());
  }
  drawing.nodus = nodus;
  drawing.paths.push_back({gnomon, DialStroke::kGnomon, false, false});
  placer.AvoidPolyline(gnomon);
  placer.AvoidBox(Around(nodus, kDotMm / 2));
  const RectMm template_box = BoxOf(gnomon);
  place(words.gnomon, DialLabelKind::kNote, {template_box.left + template_box.width / 2, template_box.top - 4}, {0, -1});
  std::string height_text = words.nodus_height;
  char height_digits[400];
  const auto [height_end, height_error] =
      std::to_chars(height_digits, height_digits + sizeof height_digits, height, std::chars_format::fixed);
  height_text.replace(height_text.find("%1"), 2,
                      std::string(height_digits, height_error == std::errc() ? height_end : height_digits));
  place(height_text, DialLabelKind::kNote, {nodus.x, bottom - height / 2}, {1, 0});
  if (style.substyle_direction) {
    place(words.substyle, DialLabelKind::kNote, {template_box.left + template_box.width / 2, bottom}, {0, 1});
    const PointMm style_middle = Scaled(Plus(style_low, nodus), 0.5);
    place(words.style + " " + Degrees(style.style_height_degrees, 1).substr(1), DialLabelKind::kNote, style_middle,
          Unit({-std::sin(psi), -std::cos(psi)}));
  }

  // The key to the halves of the figures of eight, under the template.
  RectMm key_box = template_box;
  if (figure.dial.time == sundial::DialTime::kMean) {
    constexpr double kSampleMm = 12;
    const PointMm at{template_box.left, bottom + 14};
    for (const bool dashed : {false, true}) {
      const double y = at.y + (dashed ? 6 : 0);
      const std::vector<PointMm> sample{{at.x, y}, {at.x + kSampleMm, y}};
      drawing.paths.push_back({sample, DialStroke::kKey, dashed, false});
      placer.AvoidPolyline(sample);
      key_box = key_box.United(BoxOf(sample));
      place(dashed ? words.key_june_to_december : words.key_december_to_june, DialLabelKind::kNote,
            {at.x + kSampleMm, y}, {1, 0});
    }
  }

  RectMm bounds = plate.United(key_box);
  for (const DialLabel& label : drawing.labels) bounds = bounds.United(label.placed.box);
  drawing.bounds = bounds;
  return drawing;
}

}  // namespace paper
