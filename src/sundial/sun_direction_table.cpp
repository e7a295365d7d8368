// SPDX-License-Identifier: MIT
// Reads lines "YEAR MONTH DAY UT_HOURS LATITUDE LONGITUDE_EAST" on standard input and
// writes for each one line of the Sun's direction there and then, in degrees:
//   apparent_declination mean_declination hour_angle altitude azimuth refracted_altitude
// mean_declination leaves out the nutation and aberration corrections (the true
// longitude on the mean obliquity). tools/declination_accuracy.py reads it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

#include "engine/module1.h"
#include "sundial/sun_direction.h"

int main() {
  char line[256];
  long line_number = 0;
  while (std::fgets(line, sizeof line, stdin)) {
    ++line_number;
    int year = 0, month = 0, day = 0;
    double hours = 0;
    sundial::Place place{};
    if (std::sscanf(line, "%d %d %d %lf %lf %lf", &year, &month, &day, &hours, &place.latitude_degrees,
                    &place.longitude_east_degrees) != 6 ||
        year < INT16_MIN || year > INT16_MAX) {
      std::fprintf(stderr, "sun_direction_table: line %ld is not YEAR MONTH DAY HOURS LAT LON\n",
                   line_number);
      return 1;
    }
    const auto y = static_cast<int16_t>(year);
    const auto geometric = sundial::SunDirectionAt(place, y, month, day, hours, sundial::Refraction::kNone);
    const auto refracted =
        sundial::SunDirectionAt(place, y, month, day, hours, sundial::Refraction::kStandard);

    const double T = Module1::JulianCenturies(Module1::JulianDay(y, month, day + hours / 24));
    const Module1::SolarElements elements = Module1::ElementsAt(T);
    constexpr double kDegree = std::numbers::pi / 180;
    const double mean_declination = std::asin(std::sin(elements.eps * kDegree) *
                                              std::sin(Module1::SunTrueLongitude(elements) * kDegree)) /
                                    kDegree;

    std::printf("%.9f %.9f %.9f %.9f %.9f %.9f\n", geometric.declination_degrees, mean_declination,
                geometric.hour_angle_degrees, geometric.altitude_degrees, geometric.azimuth_degrees,
                refracted.altitude_degrees);
  }
  return std::ferror(stdout) || std::fflush(stdout) != 0 ? 1 : 0;
}
