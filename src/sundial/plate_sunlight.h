// SPDX-License-Identifier: MIT
#pragma once

#include "sundial/nodus_shadow.h"
#include "sundial/plate.h"

// Whether the Sun ever throws the nodus's shadow onto a plate at a latitude. No Qt.
namespace sundial {

enum class PlateSunlight {
  kLit,                // on some day the shadow falls on the plate within reach
  kFacesStraightDown,  // tilt 180: the face looks at the ground
  kSunNeverInFront,    // the Sun never stands above the horizon in front of the face
  kShadowsOutOfReach,  // it does, but only so grazing the plate that every shadow
                       // falls farther from the foot than the dial's distance
};

// The Sun's declinations over the year reach this far either side of the equator.
inline constexpr double kTropicDegrees = 23.44;

// The Sun's reach on `plate` at `latitude_degrees`: declinations within
// ±kTropicDegrees every 0.25°, hour angles every 0.25°. Every plate short of facing
// straight down catches the Sun at some season just after sunrise or before sunset
// (the Sun rises and sets in every azimuth of the face's half of the horizon on some
// day); a plate within a degree or two of facing down catches it so low that its
// shadows fall out of reach, and one closer still within a sliver the scan's steps
// miss, which counts as never.
PlateSunlight SunlightOn(const Plate& plate, double latitude_degrees,
                         double max_distance_heights = kMaxShadowDistanceHeights);

}  // namespace sundial
