// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The shadow of a nodus (a hole in a plate, a ball on a rod) on a horizontal floor
// or a vertical east–west wall. No Qt.
namespace sundial {

enum class Surface {
  kFloor,            // the nodus stands its height above the floor
  kWallFacingSouth,  // the nodus stands its height south of the wall
  kWallFacingNorth,  // the nodus stands its height north of the wall
};

// The wall that faces the equator: south-facing at latitudes ≥ 0, north-facing below.
Surface EquatorFacingWall(double latitude_degrees);

// Millimetres from the foot of the nodus: the point under it on the floor, or
// opposite it on the wall. x east on both; y north on the floor, up on the wall.
struct ShadowPoint {
  double x_mm;
  double y_mm;
};

// A shadow farther from the foot than this many heights of the nodus is not drawn.
inline constexpr double kMaxShadowDistanceHeights = 20;

// Where the shadow of a nodus `height_mm` (> 0) from `surface` falls when the Sun
// stands at `altitude_degrees` above the horizon and `azimuth_degrees` from north
// through east: the nodus projected along the Sun's rays onto the surface. None when
// the Sun is on or below the horizon (altitude ≤ 0), on or behind the wall's plane,
// or when the shadow falls more than kMaxShadowDistanceHeights × height_mm from the
// foot.
std::optional<ShadowPoint> NodusShadow(double altitude_degrees, double azimuth_degrees, double height_mm,
                                       Surface surface);

}  // namespace sundial
