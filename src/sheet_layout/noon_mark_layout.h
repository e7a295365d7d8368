// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sheet_layout/label_placer.h"
#include "sheet_layout/page_tiles.h"
#include "sundial/noon_mark.h"

// The noon mark as things to draw at true size: millimetres on the surface as it
// is seen (the floor from above with north up, a wall or a plate from in front),
// x to the right and y down as on paper, the foot of the nodus at the origin. No Qt.
namespace paper {

struct NoonMarkDrawing {
  std::vector<std::vector<PointMm>> curve;  // the figure of eight, broken where days have no point
  std::vector<PointMm> meridian;            // from one end of the noon shadows to the other, through the foot
  PointMm foot{0, 0};
  std::vector<std::pair<PointMm, PointMm>> ticks;  // across the curve on the 1st, 11th and 21st
  std::vector<PointMm> season_points;              // the days nearest the solstices and equinoxes
  std::vector<PlacedLabel> labels;                 // dates, seasons, the foot, the meridian
  bool mirrored;  // the CSV's x runs east, to the left: a wall facing north as --surface names it
  RectMm bounds;                                   // everything above, labels included
};

struct NoonMarkWords {
  std::vector<std::string> season_names;  // by sundial::Season: March equinox, June solstice, ...
  std::string foot;                       // "foot of the nodus"
  std::string meridian;                   // "meridian"
  std::function<std::string(int month, int day)> date;
};

// The lines of `mark`: the curve, the meridian, the foot, the ticks and the
// season points; no labels yet, and the bounds of these.
NoonMarkDrawing LayOutNoonMarkLines(const sundial::NoonMark& mark);

// Adds the labels of `mark` to its lines and their boxes to the bounds. Each label
// lies in `room`, overlaps no other label, mark or leader, and crosses no line,
// nor does its leader; the side away from the figure's middle is tried first, then
// the places around, farther and farther out. The season days and the names of
// the foot and the meridian come first and are kept (where nothing else allows,
// with a leader across a line, or over a line); then the dates of the 1st of
// each month, then of the 11th and 21st, each near its point or left out.
void PlaceNoonMarkLabels(NoonMarkDrawing& drawing, const sundial::NoonMark& mark, const NoonMarkWords& words,
                         const MeasureText& measure, const LabelRoom& room);

// The lines and the labels, with room anywhere.
NoonMarkDrawing LayOutNoonMark(const sundial::NoonMark& mark, const NoonMarkWords& words, const MeasureText& measure);

// The tick across the curve is this long.
inline constexpr double kTickMm = 3;

}  // namespace paper
