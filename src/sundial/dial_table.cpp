// SPDX-License-Identifier: MIT
// Reads dials on standard input, one a line, and writes their values as text for
// tools/dial_accuracy.py to measure. Not installed.
//
//   plate LAT LON OFFSET_MINUTES TILT FACING HEIGHT_MM apparent|standard|mean STEP YEAR REFRACTION
// writes
//   style P CENTRE_X CENTRE_Y STYLE_HEIGHT STYLE_LENGTH   (the centre "inf inf" at infinity)
//   line MINUTES                                          (each hour line, then its points:)
//   p DECLINATION X Y                                     straight lines
//   d HALF MONTH DAY X Y ALTITUDE AZIMUTH                 figures of eight (HALF dj or jd)
//   end
//
//   analemmatic LAT LON OFFSET_MINUTES SEMI_MAJOR_M YEAR
// writes
//   hour MINUTES HOUR_ANGLE X Y                           (each hour point)
//   stance MONTH DAY DECLINATION Y                        (each day of the year)
//   end
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "sundial/analemmatic.h"
#include "sundial/hour_lines.h"
#include "sundial/polar_style.h"
#include "sundial/year_days.h"

namespace {

bool WritePlate(const char* line) {
  double latitude, longitude, tilt, facing, height;
  int offset_minutes, step, year, refraction;
  char kind[16];
  if (std::sscanf(line, "plate %lf %lf %d %lf %lf %lf %15s %d %d %d", &latitude, &longitude, &offset_minutes, &tilt,
                  &facing, &height, kind, &step, &year, &refraction) != 10 ||
      step <= 0 || 1440 % step != 0 || year < 1 || year > INT16_MAX) {
    return false;
  }
  sundial::Dial dial{};
  dial.place = {latitude, longitude};
  dial.plate = {tilt, facing, height};
  dial.standard_offset_seconds = offset_minutes * 60;
  dial.year = static_cast<int16_t>(year);
  dial.refraction = refraction ? sundial::Refraction::kStandard : sundial::Refraction::kNone;
  if (std::strcmp(kind, "apparent") == 0) {
    dial.time = sundial::DialTime::kApparent;
  } else if (std::strcmp(kind, "standard") == 0) {
    dial.time = sundial::DialTime::kStandard;
  } else if (std::strcmp(kind, "mean") == 0) {
    dial.time = sundial::DialTime::kMean;
  } else {
    return false;
  }
  const sundial::PolarStyle style = sundial::PolarStyleOf(dial.plate, latitude);
  if (style.centre) {
    std::printf("style %.12f %.9f %.9f %.9f %.9f\n", style.p, style.centre->x_mm, style.centre->y_mm,
                style.style_height_degrees, *style.style_length_mm);
  } else {
    std::printf("style %.12f inf inf %.9f inf\n", style.p, style.style_height_degrees);
  }
  for (const sundial::HourLine& hour_line : sundial::HourLinesOf(dial, step)) {
    std::printf("line %d\n", hour_line.minutes);
    for (const auto& p : hour_line.points) {
      std::printf("p %.2f %.9f %.9f\n", p.declination_degrees, p.point.x_mm, p.point.y_mm);
    }
    for (const auto& [half, runs] : {std::pair{"dj", &hour_line.december_to_june}, std::pair{"jd", &hour_line.june_to_december}}) {
      for (const auto& run : *runs) {
        for (const auto& d : run) {
          std::printf("d %s %d %d %.9f %.9f %.9f %.9f\n", half, d.month, d.day, d.point.x_mm, d.point.y_mm,
                      d.altitude_degrees, d.azimuth_degrees);
        }
      }
    }
  }
  std::printf("end\n");
  return true;
}

bool WriteAnalemmatic(const char* line) {
  double latitude, longitude, semi_major;
  int offset_minutes, year;
  if (std::sscanf(line, "analemmatic %lf %lf %d %lf %d", &latitude, &longitude, &offset_minutes, &semi_major, &year) !=
          5 ||
      year < 1 || year > INT16_MAX) {
    return false;
  }
  const sundial::AnalemmaticInput input{{latitude, longitude}, offset_minutes * 60, semi_major, static_cast<int16_t>(year)};
  for (const auto& hour : sundial::MakeAnalemmaticDial(input).hours) {
    std::printf("hour %d %.9f %.9f %.9f\n", hour.clock_minutes, hour.hour_angle_degrees, hour.point.x_m,
                hour.point.y_m);
  }
  for (const auto& [month, day] : sundial::DaysOfYear(input.year)) {
    const double declination = sundial::NoonDeclinationDegrees(input.year, month, day, longitude);
    std::printf("stance %d %d %.9f %.9f\n", month, day, declination, sundial::AnalemmaticStanceY(input, declination));
  }
  std::printf("end\n");
  return true;
}

}  // namespace

int main() {
  char line[512];
  long line_number = 0;
  while (std::fgets(line, sizeof line, stdin)) {
    ++line_number;
    const bool written = std::strncmp(line, "plate ", 6) == 0         ? WritePlate(line)
                         : std::strncmp(line, "analemmatic ", 12) == 0 ? WriteAnalemmatic(line)
                                                                       : false;
    if (!written) {
      std::fprintf(stderr, "dial_table: line %ld is neither a plate nor an analemmatic dial\n", line_number);
      return 1;
    }
  }
  return std::ferror(stdout) || std::fflush(stdout) != 0 ? 1 : 0;
}
