// SPDX-License-Identifier: MIT
#include "sundial/plate_sunlight.h"

namespace sundial {
namespace {

constexpr double kStepDegrees = 0.25;

}  // namespace

PlateSunlight SunlightOn(const Plate& plate, double latitude_degrees, double max_distance_heights) {
  if (plate.tilt_degrees >= 180) return PlateSunlight::kFacesStraightDown;
  const PlateAxes axes = AxesOf(plate);
  bool in_front = false;
  constexpr int kDeclinationSteps = static_cast<int>(2 * kTropicDegrees / kStepDegrees);
  for (int i = 0; i <= kDeclinationSteps; ++i) {
    const double declination = i == kDeclinationSteps ? kTropicDegrees : -kTropicDegrees + i * kStepDegrees;
    for (int j = 0; j < static_cast<int>(360 / kStepDegrees); ++j) {
      const LocalVector sun = SunVectorAt(latitude_degrees, declination, -180 + j * kStepDegrees);
      if (!(sun.up > 0 && Dot(sun, axes.normal) > 0)) continue;
      if (ShadowOnPlate(axes, plate.height_mm, sun, max_distance_heights)) return PlateSunlight::kLit;
      in_front = true;
    }
  }
  return in_front ? PlateSunlight::kShadowsOutOfReach : PlateSunlight::kSunNeverInFront;
}

}  // namespace sundial
