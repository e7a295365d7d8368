// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "sundial/nodus_shadow.h"

// A flat dial plate of any orientation with a nodus standing off its face, and the
// nodus's shadow on it. No Qt.
namespace sundial {

struct Plate {
  // Angle between the plate and the horizontal, 0..180: 0 a floor (face up), 90 a
  // vertical wall, more a plate leaning forward over its foot, 180 a ceiling.
  double tilt_degrees;
  // Compass azimuth the face looks towards, from north through east, 0..360: 180 a
  // wall facing south. A horizontal plate (tilt 0) is read as facing 180, which puts
  // north up the plate.
  double facing_degrees;
  // From the nodus to the plate along the plate's normal, > 0.
  double height_mm;
};

// A direction (a unit vector) or a point in the observer's frame: east, north, up.
struct LocalVector {
  double east;
  double north;
  double up;
};

// The plate's frame in the observer's: `normal` out of the face towards the nodus;
// `x` to the right and `y` up the line of greatest slope as seen by a person facing
// the plate. On a horizontal plate x is east and y north; on a vertical one y is up
// and x horizontal (east on a wall facing south, west on one facing north). The
// plate's coordinates are millimetres from the foot of the nodus, the point of the
// plate nearest it: x = 0, y = 0.
struct PlateAxes {
  LocalVector x;
  LocalVector y;
  LocalVector normal;
};

// Exact at multiples of 90° in tilt and facing, so that floors and walls have axes
// of exact zeros and ones, as NodusShadow's.
PlateAxes AxesOf(const Plate& plate);

double Dot(const LocalVector& a, const LocalVector& b);

// Towards the Sun standing at `altitude_degrees` above the horizon and
// `azimuth_degrees` from north through east.
LocalVector SunVector(double altitude_degrees, double azimuth_degrees);

// Towards the Sun at declination δ and hour angle H (west of the meridian positive)
// seen from latitude φ, without refraction: the spherical triangle of pole, zenith
// and Sun as SunDirectionAt solves it.
LocalVector SunVectorAt(double latitude_degrees, double declination_degrees, double hour_angle_degrees);

// The shadow of the nodus on the plate for a Sun towards `sun` (a unit vector):
// the nodus projected along the Sun's rays onto the plate, nodus − (height / (s·n)) s
// in the plate's x and y. None when the Sun is on or below the horizon, on or behind
// the plate's plane (s·n ≤ 0), or the shadow falls more than `max_distance_heights`
// heights from the foot.
std::optional<ShadowPoint> ShadowOnPlate(const PlateAxes& axes, double height_mm, const LocalVector& sun,
                                         double max_distance_heights = kMaxShadowDistanceHeights);

// The same for a Sun at an altitude and azimuth, at most kMaxShadowDistanceHeights
// heights away: NodusShadow's rule, on any plate. On a floor and on a wall facing
// south it gives NodusShadow's points; on a wall facing north x is mirrored (here x
// is west there, to the right of a person facing the wall; NodusShadow's x is east).
std::optional<ShadowPoint> PlateShadow(const Plate& plate, double altitude_degrees, double azimuth_degrees);

}  // namespace sundial
