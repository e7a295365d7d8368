// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A DXF file of the few entities a cutter, an engraver or a CAD program needs:
// AutoCAD 2000 (AC1015) ASCII, the oldest version whose header carries the drawing's
// units ($INSUNITS), with the tables, blocks and objects that version requires.
// Drawing units are millimetres ($INSUNITS 4), y up. No Qt.
namespace dxf {

struct Layer {
  std::string name;
  int colour;  // AutoCAD colour index: 1 red, 5 blue, 7 black/white
};

using Point = std::pair<double, double>;

class Writer {
 public:
  explicit Writer(std::vector<Layer> layers);

  void Line(std::string_view layer, Point a, Point b);
  // A lightweight polyline through `points`; `dashed` draws it with the DASHED line type.
  void Polyline(std::string_view layer, const std::vector<Point>& points, bool closed, bool dashed = false);
  void Circle(std::string_view layer, Point centre, double radius);
  // `text` (UTF-8) with its baseline's left end at `at`, `height` mm tall, in the
  // layer's colour or in `colour` (an AutoCAD colour index). What is not ASCII is
  // written as \U+XXXX, as AutoCAD 2000 reads it.
  void Text(std::string_view layer, Point at, double height, std::string_view text, int colour = 0);

  // The whole file.
  std::string Finish() const;

 private:
  std::string EntityStart(std::string_view type, std::string_view layer);
  void Extend(Point p);

  std::vector<Layer> layers_;
  std::string entities_;
  unsigned next_handle_;
  Point low_{0, 0};
  Point high_{0, 0};
  bool empty_ = true;
};

// "\U+65E5" for each character past ASCII; ASCII as it is.
std::string EncodeText(std::string_view utf8);

}  // namespace dxf
