// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What every sheet is written as and on, whoever draws it.
namespace paper {

enum class SheetFormat { kPdf, kSvg };
enum class SheetLanguage { kJapanese, kEnglish };

enum class PaperSize { kA4, kA3, kLetter };

struct NoonMarkSheetOptions {
  std::string zone_name;  // printed with the standard offset
  int summer_seconds;     // what the zone's summer time adds to its clock; 0 without one
  SheetLanguage language;
  PaperSize paper;
};

// Neighbouring pages share a strip this wide.
inline constexpr double kTileOverlapMm = 10;

// More pages than this are refused: past it a print shop's single sheet, or a
// chalk line from the CSV, serves better than a heap of paper.
inline constexpr int kMaxNoonMarkPages = 200;

// An SVG's side is at most this long: its numbers have six significant digits,
// which at 10 units a millimetre keep 0.1 mm up to here.
inline constexpr double kMaxSvgSideMm = 100000;

}  // namespace paper
