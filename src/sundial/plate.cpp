// SPDX-License-Identifier: MIT
#include "sundial/plate.h"

#include <cmath>
#include <numbers>

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

struct SinCos {
  double sin;
  double cos;
};

// sin and cos of an angle in degrees, exact (0, ±1) at the multiples of 90°, where
// std::sin(π) would leave 1.2e-16 and put a wall's Sun a hair in front of it.
SinCos SinCosDegrees(double degrees) {
  const double turns = std::remainder(degrees, 360.0);  // −180..180
  if (turns == 0) return {0, 1};
  if (turns == 90) return {1, 0};
  if (turns == -90) return {-1, 0};
  if (turns == 180 || turns == -180) return {0, -1};
  return {std::sin(turns * kDegree), std::cos(turns * kDegree)};
}

}  // namespace

PlateAxes AxesOf(const Plate& plate) {
  const SinCos tilt = SinCosDegrees(plate.tilt_degrees);
  const SinCos facing = SinCosDegrees(plate.tilt_degrees == 0 ? 180 : plate.facing_degrees);
  PlateAxes axes{};
  axes.normal = {tilt.sin * facing.sin, tilt.sin * facing.cos, tilt.cos};
  // Up the slope: the horizontal part points away from the facing while the plate
  // leans back (tilt < 90), towards it once it leans forward.
  axes.y = {-tilt.cos * facing.sin, -tilt.cos * facing.cos, tilt.sin};
  // x = y × normal, which works out horizontal whatever the tilt.
  axes.x = {-facing.cos, facing.sin, 0};
  return axes;
}

double Dot(const LocalVector& a, const LocalVector& b) { return a.east * b.east + a.north * b.north + a.up * b.up; }

LocalVector SunVector(double altitude_degrees, double azimuth_degrees) {
  const double h = altitude_degrees * kDegree;
  const double A = azimuth_degrees * kDegree;
  return {std::cos(h) * std::sin(A), std::cos(h) * std::cos(A), std::sin(h)};
}

LocalVector SunVectorAt(double latitude_degrees, double declination_degrees, double hour_angle_degrees) {
  const double phi = latitude_degrees * kDegree;
  const double delta = declination_degrees * kDegree;
  const double H = hour_angle_degrees * kDegree;
  return {-std::cos(delta) * std::sin(H),
          std::sin(delta) * std::cos(phi) - std::cos(delta) * std::sin(phi) * std::cos(H),
          std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H)};
}

std::optional<ShadowPoint> ShadowOnPlate(const PlateAxes& axes, double height_mm, const LocalVector& sun,
                                         double max_distance_heights) {
  if (!(sun.up > 0)) return std::nullopt;
  const double in_front = Dot(sun, axes.normal);
  if (!(in_front > 0)) return std::nullopt;
  const double reach = height_mm / in_front;
  const ShadowPoint point{-reach * Dot(sun, axes.x), -reach * Dot(sun, axes.y)};
  if (!(std::hypot(point.x_mm, point.y_mm) <= max_distance_heights * height_mm)) return std::nullopt;
  return point;
}

std::optional<ShadowPoint> PlateShadow(const Plate& plate, double altitude_degrees, double azimuth_degrees) {
  if (!(altitude_degrees > 0)) return std::nullopt;
  return ShadowOnPlate(AxesOf(plate), plate.height_mm, SunVector(altitude_degrees, azimuth_degrees));
}

}  // namespace sundial
