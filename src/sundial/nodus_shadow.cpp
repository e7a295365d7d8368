// SPDX-License-Identifier: MIT
#include "sundial/nodus_shadow.h"

#include <cmath>
#include <numbers>

namespace sundial {

Surface EquatorFacingWall(double latitude_degrees) {
  return latitude_degrees >= 0 ? Surface::kWallFacingSouth : Surface::kWallFacingNorth;
}

std::optional<ShadowPoint> NodusShadow(double altitude_degrees, double azimuth_degrees, double height_mm,
                                       Surface surface) {
  if (!(altitude_degrees > 0)) return std::nullopt;
  constexpr double kDegree = std::numbers::pi / 180;
  const double h = altitude_degrees * kDegree;
  const double A = azimuth_degrees * kDegree;
  // Unit vector towards the Sun: east, north, up.
  const double east = std::cos(h) * std::sin(A);
  const double north = std::cos(h) * std::cos(A);
  const double up = std::sin(h);

  // The shadow lies where the ray from the Sun through the nodus meets the surface,
  // `reach` millimetres beyond the nodus.
  ShadowPoint point{};
  switch (surface) {
    case Surface::kFloor: {
      const double reach = height_mm / up;
      point = {-reach * east, -reach * north};
      break;
    }
    case Surface::kWallFacingSouth:
    case Surface::kWallFacingNorth: {
      // The Sun's component out of the wall's face: it must stand on the nodus's side.
      const double out_of_wall = surface == Surface::kWallFacingSouth ? -north : north;
      if (!(out_of_wall > 0)) return std::nullopt;
      const double reach = height_mm / out_of_wall;
      point = {-reach * east, -reach * up};
      break;
    }
  }
  if (!(std::hypot(point.x_mm, point.y_mm) <= kMaxShadowDistanceHeights * height_mm)) return std::nullopt;
  return point;
}

}  // namespace sundial
