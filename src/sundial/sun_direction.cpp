// SPDX-License-Identifier: MIT
#include "sundial/sun_direction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/module1.h"

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// (−180, 180]: hour angles west of the meridian positive.
double SignedDegrees(double degrees) {
  const double reduced = Module1::ReduceDegrees(degrees);
  return reduced > 180 ? reduced - 360 : reduced;
}

}  // namespace

double StandardRefractionDegrees(double geometric_altitude_degrees) {
  constexpr double kLowestDegrees = -1;
  const double h = std::max(geometric_altitude_degrees, kLowestDegrees);
  const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegree) + 0.0019279;
  return arcminutes / 60;
}

SunDirection SunDirectionAt(const Place& place, int16_t year, int month, int day, double ut_hours,
                            Refraction refraction) {
  const double T = Module1::JulianCenturies(Module1::JulianDay(year, month, day + ut_hours / 24));
  const Module1::SolarElements elements = Module1::ElementsAt(T);
  // The equation of time in degrees of hour angle (E in radians × 180 / π, with the
  // engine's π as its minutes use).
  const double eot_degrees = Module1::EquationOfTime(elements) * 180 / Module1::Pi;

  SunDirection sun{};
  sun.declination_degrees = Module1::SunApparentDeclination(elements, T);
  sun.hour_angle_degrees = SignedDegrees((ut_hours - 12) * 15 + place.longitude_east_degrees + eot_degrees);

  const double phi = place.latitude_degrees * kDegree;
  const double delta = sun.declination_degrees * kDegree;
  const double H = sun.hour_angle_degrees * kDegree;
  const double sin_altitude = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H);
  const double altitude = std::asin(std::clamp(sin_altitude, -1.0, 1.0)) / kDegree;
  const double east = -std::cos(delta) * std::sin(H);  // towards east, in units of the sky's radius
  const double north = std::sin(delta) * std::cos(phi) - std::cos(delta) * std::sin(phi) * std::cos(H);
  const double azimuth = std::atan2(east, north) / kDegree;

  sun.altitude_degrees = refraction == Refraction::kStandard
                             ? std::min(altitude + StandardRefractionDegrees(altitude), 90.0)
                             : altitude;
  // atan2 gives (−180, 180]; a tiny negative azimuth plus 360 rounds to 360 itself.
  sun.azimuth_degrees = azimuth < 0 ? azimuth + 360 : azimuth;
  if (sun.azimuth_degrees >= 360) sun.azimuth_degrees = 0;
  return sun;
}

}  // namespace sundial
