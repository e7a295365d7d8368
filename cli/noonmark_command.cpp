// SPDX-License-Identifier: MIT
#include "cli/noonmark_command.h"

#include <unistd.h>

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "cli/day_value.h"
#include "cli/drawing_commands.h"
#include "cli/echo.h"
#include "cli/errors.h"
#include "cli/output_file.h"
#include "cli/values.h"
#include "cli/zone_argument.h"
#include "paper/noon_mark_sheet.h"
#include "sundial/noon_mark.h"

namespace cli {
namespace {

enum class MarkFormat { kPdf, kSvg, kCsv };

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// --format, else the extension of --output, else PDF.
MarkFormat FormatOf(const ParsedCommand& parsed) {
  std::string name = "pdf";
  if (parsed.Has("format")) {
    name = Lowercase(parsed.Value("format"));
  } else if (parsed.Has("output")) {
    const std::string& path = parsed.Value("output");
    const std::size_t dot = path.rfind('.');
    std::string extension;
    if (dot != std::string::npos && path.find('/', dot) == std::string::npos)
      extension = Lowercase(path.substr(dot + 1));
    if (extension == "svg" || extension == "csv") name = extension;
  }
  if (name == "pdf") return MarkFormat::kPdf;
  if (name == "svg") return MarkFormat::kSvg;
  if (name == "csv") return MarkFormat::kCsv;
  throw ValueError{"--format " + Echo(parsed.Value("format")) + " is not svg, pdf or csv"};
}

paper::SheetLanguage LanguageOf(const ParsedCommand& parsed) {
  if (!parsed.Has("lang") || parsed.Value("lang") == "ja") return paper::SheetLanguage::kJapanese;
  if (parsed.Value("lang") == "en") return paper::SheetLanguage::kEnglish;
  throw ValueError{"--lang " + Echo(parsed.Value("lang")) + " is not ja or en"};
}

paper::PaperSize PaperOf(const ParsedCommand& parsed) {
  const std::string name = parsed.Has("paper") ? Lowercase(parsed.Value("paper")) : "a4";
  if (name == "a4") return paper::PaperSize::kA4;
  if (name == "a3") return paper::PaperSize::kA3;
  if (name == "letter") return paper::PaperSize::kLetter;
  throw ValueError{"--paper " + Echo(parsed.Value("paper")) + " is not a4, a3 or letter"};
}

// Fixed decimals, the same in every locale, never "-0.0".
std::string Fixed(double value, int decimals) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string result(text, error == std::errc() ? end : text);
  if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-') result.erase(0, 1);
  return result;
}

std::string Csv(const sundial::NoonMark& mark) {
  std::string csv = "date,x_mm,y_mm,altitude_deg,azimuth_deg\r\n";
  for (const sundial::NoonMarkDay& day : mark.days) {
    csv += IsoDate(mark.input.year, day.month, day.day) + ',' + Fixed(day.shadow.x_mm, 1) + ',' +
           Fixed(day.shadow.y_mm, 1) + ',' + Fixed(day.altitude_degrees, 4) + ',' + Fixed(day.azimuth_degrees, 4) +
           "\r\n";
  }
  return csv;
}

}  // namespace

Command NoonMarkCommand(std::function<void()> start_gui) {
  Command command = NoonMarkCommandDescription();
  command.run = [start_gui](const ParsedCommand& parsed, CommandOutput& out) {
    for (const char* needed : {"latitude", "longitude", "height"}) {
      if (!parsed.Has(needed)) {
        throw UsageError{std::string("noonmark needs --") + needed +
                         (std::string(needed) == "height" ? " MM" : " DEG")};
      }
    }
    const MarkFormat format = FormatOf(parsed);
    const paper::SheetLanguage language = LanguageOf(parsed);
    const paper::PaperSize paper_size = PaperOf(parsed);
    const double latitude = ReadLatitude("--latitude", parsed.Value("latitude"));
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    const double height_mm = ReadHeightMm("--height", parsed.Value("height"));
    const std::string surface_name = parsed.Has("surface") ? parsed.Value("surface") : "floor";
    if (surface_name != "floor" && surface_name != "wall") {
      throw ValueError{"--surface " + Echo(surface_name) + " is not floor or wall"};
    }
    const bool wall = surface_name == "wall";
    if (wall && std::fabs(latitude) < 1) {
      throw ValueError{"--latitude " + Echo(parsed.Value("latitude")) +
                       " is within 1 degree of the equator, where no wall faces the noon Sun all year"};
    }
    const int clock_minutes = parsed.Has("time") ? ReadClockMinutes("--time", parsed.Value("time")) : 12 * 60;
    const int16_t year = parsed.Has("year") ? ReadYear("--year", parsed.Value("year"))
                                            : static_cast<int16_t>(QDate::currentDate().year());
    if (year < 1) throw ValueError{"--year " + Echo(parsed.Value("year")) + " is before year 1, where time zones end"};
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    const bool to_standard_output = !parsed.Has("output") || parsed.Value("output") == "-";
    if (format != MarkFormat::kCsv && to_standard_output && isatty(STDOUT_FILENO)) {
      throw UsageError{
          "noonmark writes a page, not text: give --output FILE, redirect standard output, or --format csv"};
    }

    const int offset_seconds = zone.standardTimeOffset(QDateTime(QDate(year, 1, 1), QTime(12, 0), QTimeZone::utc()));
    const sundial::NoonMark mark = sundial::MakeNoonMark(
        {{latitude, longitude},
         offset_seconds,
         clock_minutes,
         year,
         height_mm,
         wall ? sundial::EquatorFacingWall(latitude) : sundial::Surface::kFloor,
         parsed.Has("no-refraction") ? sundial::Refraction::kNone : sundial::Refraction::kStandard});

    std::string bytes;
    if (format == MarkFormat::kCsv) {
      bytes = Csv(mark);
    } else {
      if (mark.days.empty()) {
        throw ValueError{"noonmark: on no day of " + std::to_string(year) + " does the shadow fall on the " +
                         surface_name + " at that time"};
      }
      start_gui();
      const paper::NoonMarkSheetOptions options{zone.id().toStdString(), language, paper_size};
      const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
      const double longest_mm = std::max(pages.drawing.bounds.width, pages.drawing.bounds.height);
      const bool svg_holds_it = longest_mm <= paper::kMaxSvgSideMm;
      if (format == MarkFormat::kPdf && pages.page_count > paper::kMaxNoonMarkPages) {
        throw ValueError{"noonmark: the figure needs " + std::to_string(pages.page_count) + " pages of " +
                         Lowercase(parsed.Has("paper") ? parsed.Value("paper") : "a4") + ", more than " +
                         std::to_string(paper::kMaxNoonMarkPages) + "; use " +
                         (svg_holds_it ? "--format svg or csv" : "--format csv") + ", or a smaller --height"};
      }
      if (format == MarkFormat::kSvg && !svg_holds_it) {
        throw ValueError{"noonmark: the figure is " + std::to_string(std::lround(longest_mm / 1000)) +
                         " m long, and an SVG holds 100 m at most; use --format csv, or a smaller --height"};
      }
      const QByteArray page = paper::EncodeNoonMark(
          mark, pages, options, format == MarkFormat::kSvg ? paper::SheetFormat::kSvg : paper::SheetFormat::kPdf);
      bytes.assign(page.constData(), static_cast<std::size_t>(page.size()));
    }
    DeliverOutput(to_standard_output ? "-" : parsed.Value("output"), bytes, out);
  };
  return command;
}

}  // namespace cli
