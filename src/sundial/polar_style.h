// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "sundial/nodus_shadow.h"
#include "sundial/plate.h"

// The polar style: the gnomon through the nodus parallel to the Earth's axis, whose
// shadow is an hour line at every declination. No Qt.
namespace sundial {

struct PolarStyle {
  // P = p·n, the axis (towards the north celestial pole) on the plate's normal: the
  // sine of the style's angle with the plate, positive when the north celestial pole
  // lies in front of the face. Zero (|P| < kParallelToAxis) for a plate parallel to
  // the axis (a polar dial, a wall facing due east or west).
  double p;
  // Where the style meets the plate, plate millimetres; none (at infinity) when the
  // plate is parallel to the axis: the hour lines are then parallel to the substyle.
  std::optional<ShadowPoint> centre;
  // Angle between the style and the plate, 0..90 (the style height).
  double style_height_degrees;
  // From the centre along the style to the nodus, height / |P|; none at infinity.
  std::optional<double> style_length_mm;
  // From the foot along the substyle to the centre, height / tan(style height).
  std::optional<double> centre_distance_mm;
  // The substyle, the style's projection on the plate, runs through the foot of the
  // nodus (and the centre). Its direction as a unit vector towards the north
  // celestial pole's side; none on a plate square to the axis (an equatorial dial:
  // the style stands on the foot and every direction is a substyle).
  std::optional<ShadowPoint> substyle_direction;
  // The substyle's angle from the plate's y axis, positive towards +x, −90..90
  // (a line: its two directions are one), with the same exception.
  std::optional<double> substyle_angle_degrees;
  // The noon line's angle from the y axis the same way: the plate's cut by the
  // meridian plane. On a vertical wall facing due east or west the meridian is
  // parallel to the wall and the vertical stands for it, the limit of every other wall.
  double noon_line_angle_degrees;
  // The substyle distance: from the noon line to the substyle, towards +x positive,
  // −90..90 (on a vertical wall 0 facing due south, 90° − |φ| facing due east or west).
  std::optional<double> substyle_distance_degrees;
  // The hour angle whose hour line is the substyle (the plane square to the plate
  // through the style): the "difference in longitude", −180..180.
  std::optional<double> substyle_hour_angle_degrees;
};

// The polar style of `plate` at `latitude_degrees` (−90..90). With the axis towards
// the north celestial pole p = (0, cos φ, sin φ) and the plate's normal n:
//   P = p·n = sin φ cos z − cos φ sin z cos D   (J. Meeus, Astronomical Algorithms,
//   2nd ed., ch. 58, with z the tilt and D = facing − 180°),
//   centre = −height · p∥ / P (p∥ the axis's part in the plate), which in the
//   plate's axes is Meeus's x0 = a cos φ sin D / P, y0 = −a (sin φ sin z + cos φ cos z cos D) / P;
//   style length = height / |P|, style height ψ with sin ψ = |P|.
PolarStyle PolarStyleOf(const Plate& plate, double latitude_degrees);

// Below this |P| the plate counts as parallel to the axis (the centre lies more than
// 10⁹ heights away).
inline constexpr double kParallelToAxis = 1e-9;

}  // namespace sundial
