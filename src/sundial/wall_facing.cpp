// SPDX-License-Identifier: MIT
#include "sundial/wall_facing.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

double Normalised(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  const double positive = reduced < 0 ? reduced + 360 : reduced;
  return positive >= 360 ? 0 : positive;
}

}  // namespace

WallFacing WallFacingFrom(const Place& place, const ShadowReading& reading) {
  const SunDirection sun =
      SunDirectionAt(place, reading.year, reading.month, reading.day, reading.ut_hours, Refraction::kStandard);
  WallFacing facing{FacingRefusal::kNone, Normalised(sun.azimuth_degrees - reading.shadow_angle_degrees),
                    sun.azimuth_degrees, sun.altitude_degrees};
  if (!(sun.altitude_degrees > 0)) {
    facing.refusal = FacingRefusal::kSunBelowHorizon;
  } else if (!(std::fabs(std::remainder(sun.azimuth_degrees - facing.facing_degrees, 360.0)) < 90)) {
    facing.refusal = FacingRefusal::kSunBehindWall;
  }
  return facing;
}

std::optional<FacingSummary> SummariseFacings(std::span<const double> facings_degrees) {
  if (facings_degrees.empty()) return std::nullopt;
  double sum_sin = 0;
  double sum_cos = 0;
  for (const double f : facings_degrees) {
    sum_sin += std::sin(f * kDegree);
    sum_cos += std::cos(f * kDegree);
  }
  // Readings that cancel (two opposite ones) leave no direction to speak of.
  if (std::hypot(sum_sin, sum_cos) < 1e-9 * static_cast<double>(facings_degrees.size())) return std::nullopt;
  FacingSummary summary{Normalised(std::atan2(sum_sin, sum_cos) / kDegree), 0, 0};
  double sum_squares = 0;
  for (const double f : facings_degrees) {
    const double deviation = std::remainder(f - summary.mean_degrees, 360.0);
    sum_squares += deviation * deviation;
    summary.largest_deviation_degrees = std::fmax(summary.largest_deviation_degrees, std::fabs(deviation));
  }
  if (facings_degrees.size() > 1) {
    summary.spread_degrees = std::sqrt(sum_squares / static_cast<double>(facings_degrees.size() - 1));
  }
  return summary;
}

std::string FacingText(double facing_degrees) {
  // Everything in tenths of a degree, so the offset named agrees with the facing shown.
  long tenths = std::lround(Normalised(facing_degrees) * 10) % 3600;
  static const char* const kCardinal[] = {"north", "east", "south", "west"};
  static const char* const kBetween[] = {"north-east", "south-east", "south-west", "north-west"};
  const long nearest = ((tenths + 450) / 900) % 4;           // the cardinal point nearest
  long offset = tenths - nearest * 900;                       // −450..450 from it, clockwise positive
  if (offset > 1800) offset -= 3600;  // near north from the west side
  char head[32];
  std::snprintf(head, sizeof head, "facing %ld.%ld°: ", tenths / 10, tenths % 10);
  std::string text = head;
  if (offset == 0) return text + "due " + kCardinal[nearest];
  if (offset == 450 || offset == -450) {
    const long quadrant = offset > 0 ? nearest : (nearest + 3) % 4;
    return text + kBetween[quadrant];
  }
  // Clockwise of a point is towards the next one: north of west, west of south...
  const long towards = offset > 0 ? (nearest + 1) % 4 : (nearest + 3) % 4;
  const long size = offset > 0 ? offset : -offset;
  char body[48];
  std::snprintf(body, sizeof body, "%ld.%ld° %s of %s", size / 10, size % 10, kCardinal[towards], kCardinal[nearest]);
  return text + body;
}

}  // namespace sundial
