// SPDX-License-Identifier: MIT
#include "dxf/dxf_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace dxf {
namespace {

// Handles of the tables and blocks, fixed; entities take theirs from kFirstEntity on.
enum Handle : unsigned {
  kVportTable = 0x10,
  kVport,
  kLtypeTable,
  kLtypeByBlock,
  kLtypeByLayer,
  kLtypeContinuous,
  kLtypeDashed,
  kLayerTable,
  kStyleTable,
  kStyle,
  kViewTable,
  kUcsTable,
  kAppidTable,
  kAppid,
  kDimstyleTable,
  kDimstyle,
  kBlockRecordTable,
  kModelSpaceRecord,
  kPaperSpaceRecord,
  kModelSpaceBlock,
  kModelSpaceEnd,
  kPaperSpaceBlock,
  kPaperSpaceEnd,
  kRootDictionary,
  kGroupDictionary,
  kFirstLayer = 0x40,
  kFirstEntity = 0x100,
};

std::string Hex(unsigned handle) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", handle);
  return text;
}

// Millimetres to the micrometre, the same in every locale.
std::string Number(double value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  std::string result(text, error == std::errc() ? end : text);
  if (result == "-0.000") result = "0.000";
  return result;
}

// One group: its code on a line, its value on the next.
void Group(std::string& out, int code, std::string_view value) {
  out += std::to_string(code);
  out += '\n';
  out += value;
  out += '\n';
}

void Table(std::string& out, std::string_view name, unsigned handle, int count) {
  Group(out, 0, "TABLE");
  Group(out, 2, name);
  Group(out, 5, Hex(handle));
  Group(out, 330, "0");
  Group(out, 100, "AcDbSymbolTable");
  Group(out, 70, std::to_string(count));
}

void Record(std::string& out, std::string_view type, unsigned handle, unsigned table, std::string_view subclass) {
  Group(out, 0, type);
  Group(out, type == "DIMSTYLE" ? 105 : 5, Hex(handle));
  Group(out, 330, Hex(table));
  Group(out, 100, "AcDbSymbolTableRecord");
  Group(out, 100, subclass);
}

void Linetype(std::string& out, unsigned handle, std::string_view name, std::string_view description,
              const std::vector<double>& dashes) {
  Record(out, "LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord");
  Group(out, 2, name);
  Group(out, 70, "0");
  Group(out, 3, description);
  Group(out, 72, "65");
  Group(out, 73, std::to_string(dashes.size()));
  double total = 0;
  for (const double dash : dashes) total += std::abs(dash);
  Group(out, 40, Number(total));
  for (const double dash : dashes) {
    Group(out, 49, Number(dash));
    Group(out, 74, "0");
  }
}

void Block(std::string& out, std::string_view name, unsigned record, unsigned begin, unsigned end, bool paper) {
  Group(out, 0, "BLOCK");
  Group(out, 5, Hex(begin));
  Group(out, 330, Hex(record));
  Group(out, 100, "AcDbEntity");
  if (paper) Group(out, 67, "1");
  Group(out, 8, "0");
  Group(out, 100, "AcDbBlockBegin");
  Group(out, 2, name);
  Group(out, 70, "0");
  Group(out, 10, "0.0");
  Group(out, 20, "0.0");
  Group(out, 30, "0.0");
  Group(out, 3, name);
  Group(out, 1, "");
  Group(out, 0, "ENDBLK");
  Group(out, 5, Hex(end));
  Group(out, 330, Hex(record));
  Group(out, 100, "AcDbEntity");
  if (paper) Group(out, 67, "1");
  Group(out, 8, "0");
  Group(out, 100, "AcDbBlockEnd");
}

}  // namespace

std::string EncodeText(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    unsigned code = lead & (length == 4 ? 0x07 : length == 3 ? 0x0F : 0x1F);
    for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\U+%04X", code);
    out += escape;
    i += static_cast<std::size_t>(length);
  }
  return out;
}

Writer::Writer(std::vector<Layer> layers) : layers_(std::move(layers)), next_handle_(kFirstEntity) {}

std::string Writer::EntityStart(std::string_view type, std::string_view layer) {
  std::string out;
  Group(out, 0, type);
  Group(out, 5, Hex(next_handle_++));
  Group(out, 330, Hex(kModelSpaceRecord));
  Group(out, 100, "AcDbEntity");
  Group(out, 8, layer);
  return out;
}

void Writer::Extend(Point p) {
  if (empty_) {
    low_ = high_ = p;
    empty_ = false;
    return;
  }
  low_ = {std::min(low_.first, p.first), std::min(low_.second, p.second)};
  high_ = {std::max(high_.first, p.first), std::max(high_.second, p.second)};
}

void Writer::Line(std::string_view layer, Point a, Point b) {
  std::string out = EntityStart("LINE", layer);
  Group(out, 100, "AcDbLine");
  Group(out, 10, Number(a.first));
  Group(out, 20, Number(a.second));
  Group(out, 30, "0.0");
  Group(out, 11, Number(b.first));
  Group(out, 21, Number(b.second));
  Group(out, 31, "0.0");
  entities_ += out;
  Extend(a);
  Extend(b);
}

void Writer::Polyline(std::string_view layer, const std::vector<Point>& points, bool closed, bool dashed) {
  std::string out = EntityStart("LWPOLYLINE", layer);
  if (dashed) Group(out, 6, "DASHED");
  Group(out, 100, "AcDbPolyline");
  Group(out, 90, std::to_string(points.size()));
  Group(out, 70, closed ? "1" : "0");
  for (const Point& p : points) {
    Group(out, 10, Number(p.first));
    Group(out, 20, Number(p.second));
    Extend(p);
  }
  entities_ += out;
}

void Writer::Circle(std::string_view layer, Point centre, double radius) {
  std::string out = EntityStart("CIRCLE", layer);
  Group(out, 100, "AcDbCircle");
  Group(out, 10, Number(centre.first));
  Group(out, 20, Number(centre.second));
  Group(out, 30, "0.0");
  Group(out, 40, Number(radius));
  entities_ += out;
  Extend({centre.first - radius, centre.second - radius});
  Extend({centre.first + radius, centre.second + radius});
}

void Writer::Text(std::string_view layer, Point at, double height, std::string_view text, int colour) {
  std::string out = EntityStart("TEXT", layer);
  if (colour != 0) Group(out, 62, std::to_string(colour));
  Group(out, 100, "AcDbText");
  Group(out, 10, Number(at.first));
  Group(out, 20, Number(at.second));
  Group(out, 30, "0.0");
  Group(out, 40, Number(height));
  Group(out, 1, EncodeText(text));
  Group(out, 100, "AcDbText");
  entities_ += out;
  Extend(at);
}

std::string Writer::Finish() const {
  std::string out;
  Group(out, 0, "SECTION");
  Group(out, 2, "HEADER");
  Group(out, 9, "$ACADVER");
  Group(out, 1, "AC1015");
  Group(out, 9, "$DWGCODEPAGE");
  Group(out, 3, "ANSI_1252");
  Group(out, 9, "$HANDSEED");
  Group(out, 5, Hex(next_handle_));
  Group(out, 9, "$INSUNITS");
  Group(out, 70, "4");
  Group(out, 9, "$MEASUREMENT");
  Group(out, 70, "1");
  for (const auto& [name, p] : {std::pair{"$EXTMIN", low_}, std::pair{"$EXTMAX", high_}}) {
    Group(out, 9, name);
    Group(out, 10, Number(p.first));
    Group(out, 20, Number(p.second));
    Group(out, 30, "0.0");
  }
  Group(out, 0, "ENDSEC");
  Group(out, 0, "SECTION");
  Group(out, 2, "CLASSES");
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "TABLES");
  Table(out, "VPORT", kVportTable, 1);
  Record(out, "VPORT", kVport, kVportTable, "AcDbViewportTableRecord");
  Group(out, 2, "*ACTIVE");
  Group(out, 70, "0");
  Group(out, 10, "0.0");
  Group(out, 20, "0.0");
  Group(out, 11, "1.0");
  Group(out, 21, "1.0");
  Group(out, 12, Number((low_.first + high_.first) / 2));
  Group(out, 22, Number((low_.second + high_.second) / 2));
  Group(out, 40, Number(std::max(high_.second - low_.second, 1.0) * 1.1));
  Group(out, 41, "1.5");
  Group(out, 0, "ENDTAB");
  Table(out, "LTYPE", kLtypeTable, 4);
  Linetype(out, kLtypeByBlock, "ByBlock", "", {});
  Linetype(out, kLtypeByLayer, "ByLayer", "", {});
  Linetype(out, kLtypeContinuous, "Continuous", "Solid line", {});
  Linetype(out, kLtypeDashed, "DASHED", "Dashed __ __ __", {4.0, -2.0});
  Group(out, 0, "ENDTAB");
  Table(out, "LAYER", kLayerTable, static_cast<int>(layers_.size()) + 1);
  std::vector<Layer> layers{{"0", 7}};
  layers.insert(layers.end(), layers_.begin(), layers_.end());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    Record(out, "LAYER", kFirstLayer + static_cast<unsigned>(i), kLayerTable, "AcDbLayerTableRecord");
    Group(out, 2, layers[i].name);
    Group(out, 70, "0");
    Group(out, 62, std::to_string(layers[i].colour));
    Group(out, 6, "Continuous");
  }
  Group(out, 0, "ENDTAB");
  Table(out, "STYLE", kStyleTable, 1);
  Record(out, "STYLE", kStyle, kStyleTable, "AcDbTextStyleTableRecord");
  Group(out, 2, "Standard");
  Group(out, 70, "0");
  Group(out, 40, "0.0");
  Group(out, 41, "1.0");
  Group(out, 50, "0.0");
  Group(out, 71, "0");
  Group(out, 42, "2.5");
  Group(out, 3, "txt");
  Group(out, 4, "");
  Group(out, 0, "ENDTAB");
  Table(out, "VIEW", kViewTable, 0);
  Group(out, 0, "ENDTAB");
  Table(out, "UCS", kUcsTable, 0);
  Group(out, 0, "ENDTAB");
  Table(out, "APPID", kAppidTable, 1);
  Record(out, "APPID", kAppid, kAppidTable, "AcDbRegAppTableRecord");
  Group(out, 2, "ACAD");
  Group(out, 70, "0");
  Group(out, 0, "ENDTAB");
  Table(out, "DIMSTYLE", kDimstyleTable, 1);
  Group(out, 100, "AcDbDimStyleTable");
  Record(out, "DIMSTYLE", kDimstyle, kDimstyleTable, "AcDbDimStyleTableRecord");
  Group(out, 2, "Standard");
  Group(out, 70, "0");
  Group(out, 0, "ENDTAB");
  Table(out, "BLOCK_RECORD", kBlockRecordTable, 2);
  Record(out, "BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord");
  Group(out, 2, "*Model_Space");
  Record(out, "BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord");
  Group(out, 2, "*Paper_Space");
  Group(out, 0, "ENDTAB");
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "BLOCKS");
  Block(out, "*Model_Space", kModelSpaceRecord, kModelSpaceBlock, kModelSpaceEnd, false);
  Block(out, "*Paper_Space", kPaperSpaceRecord, kPaperSpaceBlock, kPaperSpaceEnd, true);
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "ENTITIES");
  out += entities_;
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "OBJECTS");
  Group(out, 0, "DICTIONARY");
  Group(out, 5, Hex(kRootDictionary));
  Group(out, 330, "0");
  Group(out, 100, "AcDbDictionary");
  Group(out, 281, "1");
  Group(out, 3, "ACAD_GROUP");
  Group(out, 350, Hex(kGroupDictionary));
  Group(out, 0, "DICTIONARY");
  Group(out, 5, Hex(kGroupDictionary));
  Group(out, 330, Hex(kRootDictionary));
  Group(out, 100, "AcDbDictionary");
  Group(out, 281, "1");
  Group(out, 0, "ENDSEC");
  Group(out, 0, "EOF");
  return out;
}

}  // namespace dxf
