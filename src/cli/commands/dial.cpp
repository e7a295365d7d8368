// SPDX-License-Identifier: MIT
// `orvalin-cli dial`: a flat sundial of any tilt and facing with a nodus, its hour
// lines and date lines, as CSV, at true size on paper, or as DXF for a cutter.
#include <QDate>
#include <QTimeZone>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/commands/command_table.h"
#include "cli/io/day_value.h"
#include "cli/io/drawing_module.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/option_parser.h"
#include "cli/io/output_file.h"
#include "cli/io/sheet_options.h"
#include "cli/io/values.h"
#include "cli/io/zone_argument.h"
#include "clock/dial_standard_time.h"
#include "dxf/dial_dxf.h"
#include "sheet_layout/dial_layout.h"
#include "sundial/plate_sunlight.h"

namespace cli {
namespace {

// Fixed decimals, the same in every locale, never "-0.00".
std::string Fixed(double value, int decimals) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string result(text, error == std::errc() ? end : text);
  if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-') result.erase(0, 1);
  return result;
}

std::string Clock(int minutes) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
  return text;
}

// How far a dial's lines reach from the foot, in heights of the nodus: 3 (over a
// floor, the Sun 18.4 degrees high; farther out a plate grows past any wall or sheet
// for the lines of the low Sun at dawn and dusk), or a tenth past the longest noon
// shadow of the seven declinations that falls on the plate, so that the noon line
// crosses every season (a floor at 50 degrees north: 3.7), at most 20.
double ReachHeights(const sundial::Plate& plate, double latitude) {
  const sundial::PlateAxes axes = sundial::AxesOf(plate);
  double reach = 3;
  for (const double declination : sundial::kDialDeclinations) {
    const auto noon = sundial::ShadowOnPlate(axes, 1, sundial::SunVectorAt(latitude, declination, 0),
                                             sundial::kMaxShadowDistanceHeights);
    if (noon) reach = std::max(reach, 1.1 * std::hypot(noon->x_mm, noon->y_mm));
  }
  return std::min(reach, sundial::kMaxShadowDistanceHeights);
}

// Fixed decimals appended to `out`, as Fixed gives them.
void AppendFixed(std::string& out, double value, int decimals) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  const std::string_view digits(text, static_cast<std::size_t>((error == std::errc() ? end : text) - text));
  if (digits.find_first_not_of("-0.") == std::string_view::npos && !digits.empty() && digits[0] == '-') {
    out += digits.substr(1);
  } else {
    out += digits;
  }
}

std::string Csv(const paper::DialFigure& figure) {
  const int year = figure.dial.year;
  std::string csv = "kind,time,date,declination_deg,x_mm,y_mm\r\n";
  auto row = [&](std::string_view kind, std::string_view time, std::string_view date, std::string_view declination,
                 const sundial::ShadowPoint& p) {
    csv += kind;
    csv += ',';
    csv += time;
    csv += ',';
    csv += date;
    csv += ',';
    csv += declination;
    csv += ',';
    AppendFixed(csv, p.x_mm, 2);
    csv += ',';
    AppendFixed(csv, p.y_mm, 2);
    csv += "\r\n";
  };
  row("foot", "", "", "", {0, 0});
  if (figure.style.centre) row("centre", "", "", "", *figure.style.centre);
  // The year's dates written once: [month][day].
  std::vector<std::vector<std::string>> dates(13, std::vector<std::string>(32));
  auto date_text = [&](int month, int day) -> const std::string& {
    std::string& text = dates[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)];
    if (text.empty()) text = IsoDate(year, month, day);
    return text;
  };
  for (const sundial::HourLine& line : figure.hour_lines) {
    const std::string time = Clock(line.minutes);
    for (const sundial::DeclinationPoint& p : line.points) row("hour", time, "", Fixed(p.declination_degrees, 2), p.point);
    // One row a day in date order, whichever half of the figure the day is on.
    std::vector<const sundial::DayPoint*> days;
    for (const auto* half : {&line.december_to_june, &line.june_to_december}) {
      for (const sundial::DayRun& run : *half) {
        for (const sundial::DayPoint& day : run) days.push_back(&day);
      }
    }
    std::sort(days.begin(), days.end(), [](const auto* a, const auto* b) {
      return a->month != b->month ? a->month < b->month : a->day < b->day;
    });
    // Each solstice day ends one half and starts the other: one row.
    days.erase(std::unique(days.begin(), days.end(),
                           [](const auto* a, const auto* b) { return a->month == b->month && a->day == b->day; }),
               days.end());
    std::string declination;
    for (const sundial::DayPoint* day : days) {
      declination.clear();
      AppendFixed(declination, day->declination_degrees, 4);
      row("hour", time, date_text(day->month, day->day), declination, day->point);
    }
  }
  for (const sundial::DateLine& line : figure.date_lines) {
    const std::string date = line.month > 0 ? IsoDate(year, line.month, line.day) : std::string();
    const std::string declination = Fixed(line.declination_degrees, line.month > 0 ? 4 : 2);
    for (const auto& run : line.runs) {
      for (const sundial::TimedPoint& p : run) {
        row("date", Clock(static_cast<int>(std::lround(p.time_hours * 60)) % 1440), date, declination, p.point);
      }
    }
  }
  return csv;
}

std::string DateRangeText(int year, const sundial::DateRange& range) {
  const std::string first = IsoDate(year, range.first_month, range.first_day);
  const std::string last = IsoDate(year, range.last_month, range.last_day);
  return first == last ? first : first + " to " + last;
}

}  // namespace

Command DialCommand() {
  Command command;
  command.name = "dial";
  command.synopsis =
      "--latitude DEG [--longitude DEG] [--zone ZONE] [--tilt DEG] [--facing AZ] [--height MM] "
      "[--time apparent|standard|mean] [--step MIN] [--dates none|seasons|zodiac|months] [--summer] [--year YEAR] "
      "[--no-refraction] [--lang ja|en] [--paper a4|a3|letter] [--format csv|svg|pdf|dxf] [--output FILE]";
  command.summary = "a flat sundial of any tilt and facing: hour and date lines, gnomon, at true size";
  command.help =
      "A flat dial plate with a nodus MM millimetres from its face (default 100), and\n"
      "the polar style through the nodus: its hour lines, its date lines (the path of\n"
      "the nodus's shadow on a day) and the gnomon that carries the style.\n"
      "The plate leans --tilt DEG from the horizontal (0 a floor, the default; 90 a\n"
      "wall; 180 a ceiling, which the Sun never reaches) and faces --facing AZ, the\n"
      "compass azimuth its face looks towards, from north through east (default 180:\n"
      "south). A plate the Sun never reaches is refused with the reason; one lit only\n"
      "part of the year (a north wall) is drawn, and the dates without lines are named\n"
      "on standard error and on the sheet.\n"
      "--time apparent: local apparent time, straight lines (no longitude or zone\n"
      "needed). standard (the default): ZONE's standard time with the longitude\n"
      "correction, straight lines; the dial then reads the clock less the equation of\n"
      "time. mean: ZONE's standard clock itself, a figure of eight per line, in two\n"
      "halves (solid December to June, dashed June to December). ZONE's standard\n"
      "offset is the lower of its offsets at the two solstices of YEAR. --summer adds\n"
      "the summer-time numerals (the zone's own summer amount) in another colour, when\n"
      "the zone has summer time. Lines every --step MIN minutes (60, 30, 15 or 10;\n"
      "whole hours numbered). --dates: none, seasons (the solstices and equinoxes, the\n"
      "default), zodiac (the Sun's entry into each sign) or months (the 1st of each\n"
      "month of YEAR). YEAR is 1..32767, the present one by default. Figures of eight\n"
      "use standard refraction (Saemundsson, 1010 hPa, 10 C) unless --no-refraction;\n"
      "straight lines are geometric. The lines end where the shadow falls 3 heights\n"
      "from the foot (over a floor, the Sun 18.4 degrees high), or a tenth past the\n"
      "longest noon shadow of the solstices and equinoxes (at most 20 heights).\n"
      "Coordinates: millimetres from the foot of the nodus (the point of the plate\n"
      "nearest it), x to the right and y up the plate's line of greatest slope as seen\n"
      "facing the plate; on a horizontal plate x is east and y north.\n"
      "csv: RFC 4180 with the header kind,time,date,declination_deg,x_mm,y_mm. kind\n"
      "foot (0,0), centre (where the style meets the plate; absent when parallel),\n"
      "hour (a straight line's point at each of the seven declinations the Sun reaches\n"
      "there, or a figure of eight's point each day with its date and declination) or\n"
      "date (a date line's points in order, each with its time).\n"
      "pdf, svg: true size, cut into pages that overlap by 10 mm after a map page when\n"
      "larger than the paper, as noonmark does, with a 100 mm scale bar on every page;\n"
      "the lines, numerals, date labels, foot, centre, substyle, the gnomon's template\n"
      "(the triangle to cut: style, substyle, nodus height) and a page of notes: the\n"
      "inputs, style height, substyle distance, how to mount it. Texts are Japanese\n"
      "unless --lang en.\n"
      "dxf: AutoCAD 2000 DXF, 1 unit = 1 mm, y up the plate; layers CUT (the plate's\n"
      "outline and the gnomon's template), ETCH (the lines) and TEXT.\n"
      "The output goes to FILE, or to standard output (a page not to a terminal). The\n"
      "format is --format, else FILE's extension (.csv, .svg, .pdf, .dxf), else PDF.\n";
  command.options = {{"latitude", "", "DEG", "the dial's latitude, degrees north (south negative)"},
                     {"longitude", "l", "DEG", "its longitude, degrees east (needed for standard and mean time)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"tilt", "", "DEG", "the plate's angle with the horizontal, 0..180 (default 0)"},
                     {"facing", "", "AZ", "the azimuth the face looks towards, 0..360 (default 180)"},
                     {"height", "", "MM", "from the nodus to the plate, millimetres (default 100)"},
                     {"time", "", "KIND", "apparent, standard (default) or mean"},
                     {"step", "", "MIN", "minutes between hour lines: 60 (default), 30, 15 or 10"},
                     {"dates", "", "SET", "none, seasons (default), zodiac or months"},
                     {"summer", "", "", "also the summer-time numerals, in another colour"},
                     {"year", "", "YEAR", "the year (default: the present one)"},
                     {"no-refraction", "", "", "the Sun's geometric direction, without refraction"},
                     {"lang", "", "LANG", "ja (default) or en"},
                     {"paper", "", "PAPER", "a4 (default), a3 or letter"},
                     {"format", "f", "FORMAT", "csv, svg, pdf or dxf (default: from FILE's extension, else pdf)"},
                     {"output", "o", "FILE", "where it goes (default: standard output)"}};
  command.min_operands = 0;
  command.max_operands = 0;
  command.operands_usage = "no operands";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    RequireOptions("dial", parsed, {{"latitude", "DEG"}});
    const std::string time_name = parsed.Has("time") ? parsed.Value("time") : "standard";
    sundial::DialTime time;
    if (time_name == "apparent") {
      time = sundial::DialTime::kApparent;
    } else if (time_name == "standard") {
      time = sundial::DialTime::kStandard;
    } else if (time_name == "mean") {
      time = sundial::DialTime::kMean;
    } else {
      throw ValueError{"--time " + Echo(time_name) + " is not apparent, standard or mean"};
    }
    const bool clock = time != sundial::DialTime::kApparent;
    if (clock && !parsed.Has("longitude")) throw UsageError{"dial needs --longitude DEG for " + time_name + " time"};
    if (!clock && parsed.Has("summer")) throw UsageError{"dial: --summer needs --time standard or mean"};
    const std::string format = ReadSheetFormatName(parsed, {"csv", "svg", "pdf", "dxf"}, "pdf");
    const paper::SheetLanguage language = ReadSheetLanguage(parsed);
    const paper::PaperSize paper_size = ReadPaper(parsed);
    const double latitude = ReadLatitude("--latitude", parsed.Value("latitude"));
    const double longitude = parsed.Has("longitude") ? ReadLongitude("--longitude", parsed.Value("longitude")) : 0;
    const double tilt = parsed.Has("tilt") ? ReadDegrees("--tilt", parsed.Value("tilt"), 180, "a tilt 0..180") : 0;
    const double facing =
        parsed.Has("facing") ? ReadDegrees("--facing", parsed.Value("facing"), 360, "an azimuth 0..360") : 180;
    const double height_mm = parsed.Has("height") ? ReadHeightMm("--height", parsed.Value("height")) : 100;
    int step = 60;
    if (parsed.Has("step")) {
      const std::string& text = parsed.Value("step");
      if (text == "60" || text == "30" || text == "15" || text == "10") {
        step = std::stoi(text);
      } else {
        throw ValueError{"--step " + Echo(text) + " is not 60, 30, 15 or 10"};
      }
    }
    sundial::DateLineSet dates = sundial::DateLineSet::kSeasons;
    if (parsed.Has("dates")) {
      const std::string& name = parsed.Value("dates");
      if (name == "none") {
        dates = sundial::DateLineSet::kNone;
      } else if (name == "seasons") {
        dates = sundial::DateLineSet::kSeasons;
      } else if (name == "zodiac") {
        dates = sundial::DateLineSet::kZodiac;
      } else if (name == "months") {
        dates = sundial::DateLineSet::kMonths;
      } else {
        throw ValueError{"--dates " + Echo(name) + " is not none, seasons, zodiac or months"};
      }
    }
    const int16_t year = parsed.Has("year") ? ReadYear("--year", parsed.Value("year"))
                                            : static_cast<int16_t>(QDate::currentDate().year());
    if (year < 1) throw ValueError{"--year " + Echo(parsed.Value("year")) + " is before year 1, where time zones end"};
    std::optional<QTimeZone> zone;
    if (clock) zone = ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    if (format != "csv" && format != "dxf") RefusePageToTerminal("dial", parsed, true);

    sundial::Dial dial{};
    dial.place = {latitude, longitude};
    dial.plate = {tilt, facing, height_mm};
    dial.time = time;
    dial.year = year;
    dial.refraction = parsed.Has("no-refraction") ? sundial::Refraction::kNone : sundial::Refraction::kStandard;
    dial.max_distance_heights = ReachHeights(dial.plate, latitude);
    switch (sundial::SunlightOn(dial.plate, latitude, dial.max_distance_heights)) {
      case sundial::PlateSunlight::kLit:
        break;
      case sundial::PlateSunlight::kFacesStraightDown:
        throw ValueError{"dial: a plate tilted 180 degrees faces straight down, and the Sun never reaches it"};
      case sundial::PlateSunlight::kSunNeverInFront:
        throw ValueError{"dial: at that latitude the Sun never stands above the horizon in front of that plate"};
      case sundial::PlateSunlight::kShadowsOutOfReach:
        throw ValueError{"dial: the Sun only grazes that plate: every shadow falls too far from the foot"};
    }
    std::optional<int> summer_minutes;
    paper::DialSheetOptions options{zone ? zone->id().toStdString() : std::string(), language, paper_size, 0};
    if (zone) {
      const sundial::DialStandardTime standard = sundial::DialStandardTimeOf(*zone, year);
      dial.standard_offset_seconds = standard.offset_seconds;
      if (parsed.Has("summer")) {
        if (standard.summer_seconds == 0) {
          out.Note("dial: " + options.zone_name + " has no summer time in " + std::to_string(year) +
                       ": no summer-time numerals");
        } else {
          summer_minutes = standard.summer_seconds / 60;
          options.summer_seconds = standard.summer_seconds;
        }
      }
    }

    const paper::DialFigure figure = paper::MakeDialFigure(dial, step, dates, summer_minutes);
    if (figure.hour_lines.empty()) {
      throw ValueError{"dial: the Sun reaches that plate, but on none of its hour lines near the foot"};
    }
    for (const sundial::DateRange& range : figure.days_without_lines) {
      out.Note("dial: no lines on " + DateRangeText(year, range) + ": the Sun does not reach the plate then");
    }

    std::string bytes;
    if (format == "csv") {
      bytes = Csv(figure);
    } else if (format == "dxf") {
      bytes = dxf::DialDxf(figure, language);
    } else {
      bytes = LoadedDrawing().Dial(figure, options, SheetFormatNamed(format));
    }
    DeliverOutput(ToStandardOutput(parsed) ? "-" : parsed.Value("output"), bytes, out);
  };
  return command;
}

}  // namespace cli
