// SPDX-License-Identifier: MIT
// `orvalin-cli facing`: which way a wall faces, from the shadow of a rod on a level
// board held against it, read at a known clock time.
#include <fcntl.h>
#include <unistd.h>

#include <QTimeZone>
#include <cerrno>
#include <cmath>
#include <optional>
#include <vector>

#include "cli/commands/command_table.h"
#include "cli/io/decimal_text.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/option_parser.h"
#include "cli/io/input_file.h"
#include "cli/io/line_blocks.h"
#include "cli/io/local_instant.h"
#include "cli/io/standard_output.h"
#include "cli/io/values.h"
#include "cli/io/zone_argument.h"
#include "sundial/wall_facing.h"

namespace cli {
namespace {

// A line of --from longer than this is no reading.
constexpr std::size_t kMaxReadingLineBytes = 4096;

struct Facing {
  sundial::WallFacing wall;
  LocalInstant instant;
};

// The facing one reading gives, or a ValueError that says why there is none.
Facing FacingOf(const sundial::Place& place, const LocalInstant& instant, double shadow_angle,
                const std::string& angle_text) {
  const QDateTime& utc = instant.utc;
  const sundial::ShadowReading reading{static_cast<int16_t>(utc.date().year()), utc.date().month(),
                                       utc.date().day(), utc.time().msecsSinceStartOfDay() / 3.6e6, shadow_angle};
  const sundial::WallFacing wall = sundial::WallFacingFrom(place, reading);
  const std::string when = utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString() + " UTC";
  switch (wall.refusal) {
    case sundial::FacingRefusal::kNone:
      break;
    case sundial::FacingRefusal::kSunBelowHorizon:
      throw ValueError{"the Sun was below the horizon at " + when + " (altitude " +
                       Fixed(wall.sun_altitude_degrees, 1) + "°) and cast no shadow: check the time, the zone "
                       "and the place"};
    case sundial::FacingRefusal::kSunBehindWall:
      throw ValueError{"a shadow " + Echo(angle_text) + " degrees from straight into the wall puts the Sun (azimuth " +
                       Fixed(wall.sun_azimuth_degrees, 1) + "° at " + when +
                       ") on or behind the wall, where it casts no shadow on the board; the angle is -90..90, "
                       "clockwise seen from above"};
  }
  return {wall, instant};
}

std::string Blanks() { return std::string(" \t\r"); }

// The fields of a line split at blanks (spaces, tabs, ideographic spaces).
std::vector<std::string> Fields(std::string_view line) {
  std::string text(line);
  for (std::size_t at; (at = text.find("\xE3\x80\x80")) != std::string::npos;) text.replace(at, 3, " ");
  std::vector<std::string> fields;
  std::size_t start = text.find_first_not_of(Blanks());
  while (start != std::string::npos) {
    const std::size_t end = text.find_first_of(Blanks(), start);
    fields.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    start = end == std::string::npos ? end : text.find_first_not_of(Blanks(), end);
  }
  return fields;
}

std::string Advice(double facing_degrees) {
  return "give dial and noonmark --facing " + Fixed(std::lround(facing_degrees * 10) % 3600 / 10.0, 1) + "\n";
}

// Each reading of the file, then the mean and spread of those that gave a facing.
void RunReadings(const std::string& path, const sundial::Place& place, const QTimeZone& zone, CommandOutput& out) {
  const InputFile input(path);
  LineBlocks blocks(input.fd(), path, kMaxReadingLineBytes, [&out] { out.FlushNow(); });
  std::vector<double> facings;
  std::vector<std::size_t> line_numbers;
  std::size_t line_number = 0;
  std::string block;
  while (blocks.Next(block)) {
    std::string_view rest = block;
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');  // every line of a block ends in one
      const std::string_view line = rest.substr(0, end);
      rest.remove_prefix(end + 1);
      ++line_number;
      const std::string number = "line " + std::to_string(line_number);
      try {
        if (line.size() > kMaxReadingLineBytes) {
          throw ValueError{"a line of more than " + std::to_string(kMaxReadingLineBytes) + " bytes is not a reading"};
        }
        const std::vector<std::string> fields = Fields(line);
        if (fields.empty() || fields[0][0] == '#') continue;
        if (fields.size() != 2) {
          throw ValueError{Echo(line) + " is not a reading (YYYY-MM-DDTHH:MM[:SS] ANGLE)"};
        }
        const LocalInstant instant = ReadLocalInstant("", fields[0], zone);
        const double angle = ReadSignedAngle("ANGLE", fields[1]);
        const Facing facing = FacingOf(place, instant, angle, fields[1]);
        out += number + ": " + sundial::FacingText(facing.wall.facing_degrees) + "\n";
        facings.push_back(facing.wall.facing_degrees);
        line_numbers.push_back(line_number);
      } catch (const ValueError& error) {
        out.Complain(number + ": " + error.message);
      }
    }
  }
  if (facings.empty()) {
    out.Complain("no line of " + Echo(path) + " gave a facing");
    return;
  }
  const std::optional<sundial::FacingSummary> summary = sundial::SummariseFacings(facings);
  if (!summary) {
    out.Complain("the facings of " + Echo(path) + " point every way: they have no mean");
    return;
  }
  // The reading farthest from the mean, named by its line.
  std::size_t farthest = 0;
  double largest = -1;
  for (std::size_t i = 0; i < facings.size(); ++i) {
    const double deviation = std::fabs(std::remainder(facings[i] - summary->mean_degrees, 360.0));
    if (deviation > largest) {
      largest = deviation;
      farthest = i;
    }
  }
  out += "mean of " + std::to_string(facings.size()) + (facings.size() == 1 ? " reading: " : " readings: ") +
         sundial::FacingText(summary->mean_degrees) + "\n";
  out += "spread " + Fixed(summary->spread_degrees, 1) + "° (standard deviation); line " +
         std::to_string(line_numbers[farthest]) + " lies farthest from the mean, " +
         Fixed(summary->largest_deviation_degrees, 1) + "°\n";
  out += Advice(summary->mean_degrees);
}

}  // namespace

Command FacingCommand() {
  Command command;
  command.name = "facing";
  command.synopsis =
      "--latitude DEG --longitude DEG [--zone ZONE] --at YYYY-MM-DDTHH:MM[:SS] --shadow-angle DEG | "
      "--from FILE";
  command.summary = "which way a wall faces, from a rod's shadow at a known clock time";
  command.help =
      "Which way a wall faces, from the shadow of a vertical rod standing on a level\n"
      "board held against the wall. Draw a line on the board straight into the wall;\n"
      "at the clock time --at, read the angle of the rod's shadow from that line,\n"
      "clockwise seen from above (to your right as you face the wall) positive, and\n"
      "give it as --shadow-angle (-90..90). The Sun's azimuth then, less the angle, is\n"
      "the direction the wall faces. Prints that facing (one decimal, from north\n"
      "through east) and what it means, e.g. `facing 203.4°: 23.4° west of south`, the\n"
      "--facing value to give dial and noonmark, and the Sun then.\n"
      "--at is what ZONE's clock showed, summer time included: a time the clock\n"
      "skipped (the hour summer time begins) is refused; one it showed twice (the hour\n"
      "it ends) is refused unless the offset is written after it, as\n"
      "2026-10-25T02:30+02:00; Z or +hh:mm after any time names its offset outright.\n"
      "Refused when the Sun was below the horizon (no shadow) or when the angle puts it\n"
      "behind the wall. DEG and ZONE as for noonmark.\n"
      "--from FILE (- for standard input) reads several readings, one a line,\n"
      "YYYY-MM-DDTHH:MM[:SS] ANGLE, and prints each one's facing, then their mean (as\n"
      "directions: 359 and 1 average to 0) and their spread; blank lines and lines\n"
      "starting with # are skipped. A line that gives no facing is reported by its\n"
      "number and skipped, and the exit status is 1.\n";
  command.options = {{"latitude", "", "DEG", "the wall's latitude, degrees north (south negative)"},
                     {"longitude", "l", "DEG", "its longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"at", "", "TIME", "the clock time of the reading, YYYY-MM-DDTHH:MM[:SS]"},
                     {"shadow-angle", "", "DEG", "the shadow from straight into the wall, clockwise"},
                     {"from", "", "FILE", "readings, one a line, from FILE (- for standard input)"}};
  command.min_operands = 0;
  command.max_operands = 0;
  command.operands_usage = "no operands";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    RequireOptions("facing", parsed, {{"latitude", "DEG"}, {"longitude", "DEG"}});
    const bool from = parsed.Has("from");
    if (from && (parsed.Has("at") || parsed.Has("shadow-angle"))) {
      throw UsageError{std::string("facing --from takes its times and angles from the file, not --") +
                       (parsed.Has("at") ? "at" : "shadow-angle")};
    }
    if (!from && !parsed.Has("at")) throw UsageError{"facing needs --at TIME and --shadow-angle DEG, or --from FILE"};
    if (!from && !parsed.Has("shadow-angle")) throw UsageError{"facing needs --shadow-angle DEG"};
    const sundial::Place place{ReadLatitude("--latitude", parsed.Value("latitude")),
                               ReadLongitude("--longitude", parsed.Value("longitude"))};
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    if (from) {
      RunReadings(parsed.Value("from"), place, zone, out);
      return;
    }
    const LocalInstant instant = ReadLocalInstant("--at", parsed.Value("at"), zone);
    const double angle = ReadSignedAngle("--shadow-angle", parsed.Value("shadow-angle"));
    const Facing facing = FacingOf(place, instant, angle, parsed.Value("shadow-angle"));
    out += sundial::FacingText(facing.wall.facing_degrees) + "\n";
    out += Advice(facing.wall.facing_degrees);
    out += "the Sun then: azimuth " + Fixed(facing.wall.sun_azimuth_degrees, 1) + "°, altitude " +
           Fixed(facing.wall.sun_altitude_degrees, 1) + "°, at " +
           instant.utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString() + " UTC (the clock at " +
           OffsetText(instant.offset_seconds) + ")\n";
  };
  return command;
}

}  // namespace cli
