// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sheet_layout/page_tiles.h"
#include "sheet_layout/sheet.h"
#include "sundial/analemmatic.h"

// The analemmatic dial as a plan to scale: millimetres on paper from the dial's
// centre, x to the east (right) and y to the south (down, north being up), with
// the hour numerals, the date scale's months and the foci placed where they touch
// neither the lines nor each other. No Qt.
namespace paper {

// What the sheet of an analemmatic dial is drawn for.
struct AnalemmaticSheetOptions {
  std::string zone_name;  // printed with the offsets
  SheetLanguage language;
  PaperSize paper;
  int summer_seconds;                     // how much summer time adds in the zone that year; 0 for none
  bool summer_numerals;                   // numerals of summer time too, summer_seconds later
  std::optional<long> scale_denominator;  // N of 1:N, or the largest round scale that fits
};

struct AnalemmaticLabel {
  std::string text;  // UTF-8
  double points;     // the face's size
  bool bold;
  bool summer;  // a numeral of summer time, in its own colour
  RectMm box;
  PointMm anchor;  // the point it names
  bool leader;     // a line from the anchor to the box: the box stands off
};

struct AnalemmaticDrawing {
  long scale_denominator;             // 1:N
  std::vector<PointMm> ellipse;       // closed: the last point is the first
  std::vector<PointMm> hour_points;   // on the hour
  std::vector<PointMm> half_points;   // on the half hour
  std::vector<PointMm> foci;          // the two foci, for a loop of string
  PointMm scale_south;                // the date scale's ends: the December and June solstices
  PointMm scale_north;
  std::vector<std::pair<PointMm, PointMm>> date_ticks;  // from the scale outwards, one per date
  std::vector<AnalemmaticLabel> labels;
  RectMm bounds;  // everything above, labels included
};

// The size of `text` in millimetres at `points`, as it will be drawn: width, height.
using MeasureLabel = std::function<std::pair<double, double>(const std::string& text, double points, bool bold)>;

struct AnalemmaticWords {
  std::function<std::string(int month)> month;             // "1月", "Jan"
  std::function<std::string(int month, int day)> date;     // "3/20", "20 Mar"
  std::vector<std::string> season_names;                  // by sundial::DateMarkKind's seasons, March first
  std::string focus;                                       // "focus"
};

// The sizes of the texts, points.
inline constexpr double kHourPoints = 9;
inline constexpr double kHalfHourPoints = 6;
inline constexpr double kSummerHourPoints = 7;
inline constexpr double kSummerHalfHourPoints = 5;
inline constexpr double kDatePoints = 6.5;

// Lays out `dial` at 1:`scale_denominator`. The numerals stand outside the
// ellipse, the summer ones (`summer_seconds` later, when not 0) inside; the
// months of the first half of the year, whose declination rises, beside the
// west side of the date scale and those of the second half beside the east side,
// pushed apart along it where they would touch. A half-hour numeral or a focus's
// name with no free place is left out; the others take the least crowded place.
AnalemmaticDrawing LayOutAnalemmatic(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                                     int summer_seconds, long scale_denominator, const AnalemmaticWords& words,
                                     const MeasureLabel& measure);

// Where a label's leader meets its box: the box's point nearest the anchor.
PointMm LeaderEnd(const AnalemmaticLabel& label);

// The round scales, largest first: 1:1, 1:2, 1:3, 1:4, 1:5, then 1, 2, 2.5, 3, 4
// and 5 times each power of ten from 10 (1:10, 1:20, 1:25, 1:30, 1:40, 1:50,
// 1:100, ...), up to 1:1000000.
std::vector<long> RoundScaleDenominators();

// The dial's correction of each 1st and 15th of the year: what to add to the
// time the dial shows to get the zone's standard time, −E at the date's apparent
// noon at the dial's longitude, in whole seconds.
struct DialCorrection {
  int month;
  int day;
  int seconds;
};
std::vector<DialCorrection> AnalemmaticCorrections(const sundial::AnalemmaticInput& input);

}  // namespace paper
