// SPDX-License-Identifier: MIT
#include "sundial/analemmatic.h"

#include <cmath>
#include <cstddef>
#include <numbers>

#include "sundial/year_days.h"

namespace sundial {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kTropicDegrees = 23.44;

double SignedDegrees(double degrees) {
  const double reduced = std::remainder(degrees, 360.0);
  return reduced == -180 ? 180 : reduced;
}

// Whether the Sun at hour angle H stands above the horizon for some |δ| ≤ 23.44°:
// sin h = sin φ sin δ + cos φ cos H cos δ = R cos(δ − δ0) is largest at δ0 or, past
// the tropics, at the tropic nearer it. On the horizon (to rounding: cos 90° is
// 6e-17 in doubles) counts as down.
bool CanBeUp(double latitude_degrees, double hour_angle_degrees) {
  const double a = std::sin(latitude_degrees * kDegree);
  const double b = std::cos(latitude_degrees * kDegree) * std::cos(hour_angle_degrees * kDegree);
  const double best = std::fmin(std::fmax(std::atan2(a, b), -kTropicDegrees * kDegree), kTropicDegrees * kDegree);
  return a * std::sin(best) + b * std::cos(best) > 1e-12;
}

}  // namespace

double AnalemmaticStanceY(const AnalemmaticInput& input, double declination_degrees) {
  return input.semi_major_m * std::cos(input.place.latitude_degrees * kDegree) *
         std::tan(declination_degrees * kDegree);
}

AnalemmaticDial MakeAnalemmaticDial(const AnalemmaticInput& input) {
  const double M = input.semi_major_m;
  const double sin_phi = std::sin(input.place.latitude_degrees * kDegree);
  AnalemmaticDial dial{M * std::fabs(sin_phi), {}, {}};
  for (int minutes = 0; minutes < 1440; minutes += 30) {
    const double H = SignedDegrees(15 * (minutes / 60.0 - 12) + input.place.longitude_east_degrees -
                                   15.0 * input.standard_offset_seconds / 3600);
    if (!CanBeUp(input.place.latitude_degrees, H)) continue;
    dial.hours.push_back({minutes, minutes % 60 != 0, H,
                          {M * std::sin(H * kDegree), M * sin_phi * std::cos(H * kDegree)}});
  }

  const std::vector<CalendarDay> year = DaysOfYear(input.year);
  std::vector<double> declinations;
  for (const auto& [month, day] : year) {
    declinations.push_back(NoonDeclinationDegrees(input.year, month, day, input.place.longitude_east_degrees));
  }
  auto mark = [&](DateMarkKind kind, std::size_t i) {
    dial.dates.push_back({kind, year[i].month, year[i].day, declinations[i], AnalemmaticStanceY(input, declinations[i])});
  };
  for (std::size_t i = 0; i < year.size(); ++i) {
    if (year[i].day == 1) mark(DateMarkKind::kMonth, i);
  }
  const SeasonIndices seasons = SeasonsOf(declinations);
  mark(DateMarkKind::kMarchEquinox, seasons.march_equinox);
  mark(DateMarkKind::kJuneSolstice, seasons.june_solstice);
  mark(DateMarkKind::kSeptemberEquinox, seasons.september_equinox);
  mark(DateMarkKind::kDecemberSolstice, seasons.december_solstice);
  return dial;
}

std::vector<double> AnalemmaticReadings(const AnalemmaticInput& input, double stance_y_m,
                                        double shadow_azimuth_degrees) {
  const double M = input.semi_major_m;
  const double phi = input.place.latitude_degrees * kDegree;
  const double b = M * std::sin(phi);
  std::vector<double> readings;
  if (std::fabs(b) < 1e-9 * M) return readings;
  const double dx = std::sin(shadow_azimuth_degrees * kDegree);
  const double dy = std::cos(shadow_azimuth_degrees * kDegree);
  // (t dx / M)² + ((y + t dy) / b)² = 1, a quadratic in the distance t along the shadow.
  const double qa = dx * dx / (M * M) + dy * dy / (b * b);
  const double qb = 2 * stance_y_m * dy / (b * b);
  const double qc = stance_y_m * stance_y_m / (b * b) - 1;
  const double discriminant = qb * qb - 4 * qa * qc;
  if (discriminant < 0) return readings;
  const double tan_delta = stance_y_m / (M * std::cos(phi));
  for (const double t : {(-qb - std::sqrt(discriminant)) / (2 * qa), (-qb + std::sqrt(discriminant)) / (2 * qa)}) {
    if (!(t > 0)) continue;
    const double sin_H = t * dx / M;
    const double cos_H = (stance_y_m + t * dy) / b;
    // sin h ∝ sin φ tan δ + cos φ cos H, cos δ > 0 taken out.
    if (!(std::sin(phi) * tan_delta + std::cos(phi) * cos_H > 0)) continue;
    readings.push_back(std::atan2(sin_H, cos_H) / kDegree);
  }
  return readings;
}

}  // namespace sundial
