// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sundial/sun_direction.h"

// Which way a wall faces, from the shadow of a vertical rod on a level board held
// against it at a known instant. No Qt.
namespace sundial {

struct ShadowReading {
  int16_t year;
  int month;
  int day;
  double ut_hours;  // the instant, hours UT of the date (the caller converts the clock)
  // The rod's shadow: the horizontal angle from the direction straight into the wall
  // to the direction the shadow points, clockwise seen from above, −90..90.
  double shadow_angle_degrees;
};

enum class FacingRefusal {
  kNone,
  kSunBelowHorizon,  // no shadow could have been read then
  kSunBehindWall,    // |angle| ≥ 90: the facing found would put the Sun on or behind
                     // the wall's plane, where it casts no shadow on the board
};

struct WallFacing {
  FacingRefusal refusal;
  double facing_degrees;       // compass azimuth the wall faces, 0 ≤ F < 360
  double sun_azimuth_degrees;  // the Sun then, from north through east
  double sun_altitude_degrees;  // apparent (refracted): the Sun as it was seen
};

// The shadow points away from the Sun, at azimuth A☉ + 180°; straight into the wall
// is F + 180°; so the reading is A☉ − F and the wall faces F = A☉ − reading (mod
// 360). The Sun's azimuth is SunDirectionAt's; refraction lifts the Sun straight up
// and leaves its azimuth as it is, so it matters only to whether the Sun was up.
WallFacing WallFacingFrom(const Place& place, const ShadowReading& reading);

struct FacingSummary {
  double mean_degrees;               // the circular mean, 0 ≤ F < 360
  double spread_degrees;             // the readings' standard deviation about the mean (n − 1; 0 for one)
  double largest_deviation_degrees;  // the reading farthest from the mean, how far
};

// The mean and spread of several facings, as directions: 359° and 1° average to 0°,
// not 180°. None for no facings, or when they cancel out (no mean direction).
std::optional<FacingSummary> SummariseFacings(std::span<const double> facings_degrees);

// "facing 203.4°: 23.4° west of south": the facing to one decimal and its offset
// from the nearest cardinal point, named from that point ("12.0° east of south",
// "5.5° north of west", "due west"); at an exact 45° the intercardinal name
// ("facing 225.0°: south-west").
std::string FacingText(double facing_degrees);

}  // namespace sundial
