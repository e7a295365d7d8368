// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sheet_layout/label_placer.h"
#include "sheet_layout/page_tiles.h"
#include "sheet_layout/sheet.h"
#include "sundial/date_lines.h"
#include "sundial/hour_lines.h"
#include "sundial/polar_style.h"

// A flat dial as things to draw at true size, for paper and for a cutter alike:
// millimetres on the plate as seen facing it, x to the right and y down as on
// paper (the plate's y, up its slope, is up the page), the foot of the nodus at the
// origin; beside the plate, the template of the gnomon. No Qt.
namespace paper {

// What a dial is drawn from: the dial and everything computed for it.
struct DialFigure {
  sundial::Dial dial;
  sundial::PolarStyle style;
  int step_minutes;
  std::vector<sundial::HourLine> hour_lines;
  sundial::DateLineSet date_set;
  std::vector<sundial::DateLine> date_lines;
  std::vector<sundial::DateRange> days_without_lines;
};

// The dial's figure: the lines, the plate and the template.
DialFigure MakeDialFigure(const sundial::Dial& dial, int step_minutes, sundial::DateLineSet dates,
                          std::optional<int> summer_minutes);

enum class DialStroke {
  kWholeHour,  // an hour line of a whole hour
  kStep,       // a line between the hours, drawn lighter
  kDate,       // a date line
  kSubstyle,   // the style's foot-print, through the foot (and the centre)
  kOutline,    // the plate's edge: where to cut
  kGnomon,     // the gnomon's template: where to cut
  kKey,        // a sample of a figure of eight's half beside its words in the key
};

struct DialPath {
  std::vector<PointMm> points;
  DialStroke stroke;
  bool dashed;  // the June-to-December half of a figure of eight
  bool smooth;  // a curve through its points, else straight pieces
};

enum class DialLabelKind { kNumeral, kSummerNumeral, kDate, kNote };

struct DialLabel {
  PlacedLabel placed;
  DialLabelKind kind;
};

struct DialDrawing {
  std::vector<DialPath> paths;
  PointMm foot{0, 0};
  std::optional<PointMm> centre;  // drawn when on the plate
  std::optional<PointMm> nodus;   // the nodus's corner of the gnomon template
  std::vector<DialLabel> labels;
  RectMm plate;   // the plate's outline, labels included
  RectMm bounds;  // the plate and the template
};

// The texts a dial drawing carries, in one language (UTF-8).
struct DialWords {
  std::string foot;
  std::string centre;
  std::string substyle;
  std::string style;           // along the template's slanted edge
  std::string nodus_height;    // "%1 mm" filled with the height
  std::string gnomon;          // the template's title
  std::string summer_solstice;
  std::string winter_solstice;
  std::string equinoxes;
  std::string date_separator;  // between the two dates of a declination line
  std::string key_december_to_june;  // beside a solid sample line
  std::string key_june_to_december;  // beside a dashed one
};

DialWords DialWordsFor(SheetLanguage language);

// "6/21" (Japanese) or "21 Jun".
std::string DialDateText(SheetLanguage language, int month, int day);

// Lays out `figure`: lines, numerals (whole hours; the summer-time ones when the
// lines carry them), date labels, the foot, the centre, the substyle, the plate's
// outline and the gnomon's template, and for figures of eight the key to their
// halves beside the template. No label overlaps another, a mark or a leader; each
// crosses no line, nor does its leader, where a place near its point allows it
// (label_placer.h), and lies in `room`. The plate is everything on it with a
// margin, or `fixed_plate` (the labels on it then keep inside it); the template
// stands below or beside it.
DialDrawing LayOutDial(const DialFigure& figure, SheetLanguage language, const MeasureText& measure,
                       const LabelRoom& room, const std::optional<RectMm>& fixed_plate);

// The same with room anywhere and the plate as large as what it carries.
DialDrawing LayOutDial(const DialFigure& figure, SheetLanguage language, const MeasureText& measure);

// The texts drawn at this size (points): numerals, other labels.
inline constexpr double kDialNumeralPoints = 8;
inline constexpr double kDialLabelPoints = 6.5;

}  // namespace paper
