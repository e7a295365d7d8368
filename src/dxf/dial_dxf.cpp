// SPDX-License-Identifier: MIT
#include "dxf/dial_dxf.h"

#include "dxf/dxf_writer.h"

namespace dxf {
namespace {

constexpr double kLineToHeight = 1.4;  // a text's box is this many times its height
constexpr double kDescent = 0.25;      // the baseline stands this many heights above the box's bottom

// The width of `text` in the Standard style (txt): about 0.75 of the height a
// Latin letter, a full height a Japanese one.
double TextWidth(const std::string& text, double height) {
  double width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      width += 0.75 * height;
    } else if (c >= 0xC0) {
      width += c >= 0xE0 ? height : 0.75 * height;
    }
  }
  return width;
}

Point Up(paper::PointMm p) { return {p.x, -p.y}; }

}  // namespace

std::string DialDxf(const paper::DialFigure& figure, paper::SheetLanguage language) {
  const paper::MeasureText measure = [](const std::string& text, bool numeral) {
    const double height = numeral ? kNumeralHeightMm : kLabelHeightMm;
    return std::pair{TextWidth(text, height), height * kLineToHeight};
  };
  const paper::DialDrawing drawing = paper::LayOutDial(figure, language, measure);
  Writer writer({{"CUT", 1}, {"ETCH", 5}, {"TEXT", 3}});
  for (const paper::DialPath& path : drawing.paths) {
    const bool cut = path.stroke == paper::DialStroke::kOutline || path.stroke == paper::DialStroke::kGnomon;
    const bool key = path.stroke == paper::DialStroke::kKey;
    std::vector<Point> points;
    for (const paper::PointMm p : path.points) points.push_back(Up(p));
    const bool closed = points.size() > 2 && points.front() == points.back();
    if (closed) points.pop_back();
    writer.Polyline(cut ? "CUT" : key ? "TEXT" : "ETCH", points, closed, path.dashed);
  }
  writer.Circle("ETCH", Up(drawing.foot), 2.5);
  writer.Line("ETCH", {-4, 0}, {4, 0});
  writer.Line("ETCH", {0, -4}, {0, 4});
  if (drawing.centre) writer.Circle("ETCH", Up(*drawing.centre), 1.5);
  for (const paper::DialLabel& label : drawing.labels) {
    const paper::PlacedLabel& placed = label.placed;
    const bool numeral =
        label.kind == paper::DialLabelKind::kNumeral || label.kind == paper::DialLabelKind::kSummerNumeral;
    const double height = numeral ? kNumeralHeightMm : kLabelHeightMm;
    // The summer-time numerals red, as on paper.
    writer.Text("TEXT", {placed.box.left, -placed.box.Bottom() + kDescent * height}, height, placed.text,
                label.kind == paper::DialLabelKind::kSummerNumeral ? 1 : 0);
    if (placed.leader) writer.Line("TEXT", Up(placed.anchor), Up(paper::LeaderEnd(placed)));
  }
  return writer.Finish();
}

}  // namespace dxf
