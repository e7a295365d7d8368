// SPDX-License-Identifier: MIT
#include "sundial/polar_style.h"

#include <cmath>
#include <numbers>

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The angle of a line of direction (x, y) from the y axis towards +x, −90..90.
double LineAngleDegrees(double x, double y) {
  double angle = std::atan2(x, y) / kDegree;  // −180..180
  if (angle > 90) angle -= 180;
  if (angle <= -90) angle += 180;
  return angle;
}

double LineDifferenceDegrees(double to, double from) {
  double difference = to - from;
  if (difference > 90) difference -= 180;
  if (difference <= -90) difference += 180;
  return difference;
}

}  // namespace

PolarStyle PolarStyleOf(const Plate& plate, double latitude_degrees) {
  const PlateAxes axes = AxesOf(plate);
  const double phi = latitude_degrees * kDegree;
  const LocalVector pole{0, std::cos(phi), std::sin(phi)};
  const double a = plate.height_mm;

  PolarStyle style{};
  style.p = Dot(pole, axes.normal);
  const double along_x = Dot(pole, axes.x);
  const double along_y = Dot(pole, axes.y);
  const double in_plate = std::hypot(along_x, along_y);  // cos ψ
  style.style_height_degrees = std::atan2(std::fabs(style.p), in_plate) / kDegree;
  const bool parallel = std::fabs(style.p) < kParallelToAxis;
  if (!parallel) {
    style.centre = ShadowPoint{-a * along_x / style.p, -a * along_y / style.p};
    style.style_length_mm = a / std::fabs(style.p);
    style.centre_distance_mm = a * in_plate / std::fabs(style.p);
  }

  // The meridian plane's normal is east; its trace on the plate runs along n × east.
  const LocalVector& n = axes.normal;
  const LocalVector noon{0, n.up, -n.north};  // n × east
  const double noon_x = Dot(noon, axes.x);
  const double noon_y = Dot(noon, axes.y);
  style.noon_line_angle_degrees = std::hypot(noon_x, noon_y) < 1e-12 ? 0 : LineAngleDegrees(noon_x, noon_y);

  if (in_plate > 1e-12) {
    style.substyle_direction = ShadowPoint{along_x / in_plate, along_y / in_plate};
    style.substyle_angle_degrees = LineAngleDegrees(along_x, along_y);
    style.substyle_distance_degrees =
        LineDifferenceDegrees(*style.substyle_angle_degrees, style.noon_line_angle_degrees);
    // The normal's part square to the axis, in the equator's directions: towards the
    // meridian's equator point (hour angle 0) and the west point (hour angle 90°).
    const LocalVector meridian{0, -std::sin(phi), std::cos(phi)};
    const LocalVector west{-1, 0, 0};
    style.substyle_hour_angle_degrees = std::atan2(Dot(n, west), Dot(n, meridian)) / kDegree;
  }
  return style;
}

}  // namespace sundial
