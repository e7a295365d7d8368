// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sheet_layout/label_placer.h"
#include "sheet_layout/page_tiles.h"
#include "sundial/noon_mark.h"

// The noon mark as things to draw at true size: millimetres on the surface as it
// is seen (the floor from above with north up, the wall from in front), x to the
// right and y down as on paper, the foot of the nodus at the origin. No Qt.
namespace paper {

struct NoonMarkDrawing {
  std::vector<std::vector<PointMm>> curve;  // the figure of eight, broken where days have no point
  std::vector<PointMm> meridian;            // from one end of the noon shadows to the other, through the foot
  PointMm foot{0, 0};
  std::vector<std::pair<PointMm, PointMm>> ticks;  // across the curve on the 1st, 11th and 21st
  std::vector<PointMm> season_points;              // the days nearest the solstices and equinoxes
  std::vector<PlacedLabel> labels;                 // dates, seasons, the foot, the meridian
  bool mirrored;                                   // east is to the left (a wall facing north)
  RectMm bounds;                                   // everything above, labels included
};

struct NoonMarkWords {
  std::vector<std::string> season_names;  // by sundial::Season: March equinox, June solstice, ...
  std::string foot;                       // "foot of the nodus"
  std::string meridian;                   // "meridian"
  std::function<std::string(int month, int day)> date;
};

// Lays out `mark`: the curve, the ticks and date labels, the seasons, the meridian
// and the foot. Labels go where they cross neither the lines nor each other when
// a place near their point allows it, the side away from the figure's middle first.
NoonMarkDrawing LayOutNoonMark(const sundial::NoonMark& mark, const NoonMarkWords& words, const MeasureText& measure);

// The tick across the curve is this long.
inline constexpr double kTickMm = 3;

}  // namespace paper
