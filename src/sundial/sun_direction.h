// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Where the Sun stands for an observer on the ground, by the engine's equation of
// time and declination. No Qt.
namespace sundial {

struct Place {
  double latitude_degrees;        // north positive, −90..90
  double longitude_east_degrees;  // east positive, −180..180
};

enum class Refraction { kNone, kStandard };

struct SunDirection {
  double declination_degrees;  // apparent declination, north positive, about ±23.45
  double hour_angle_degrees;   // local apparent hour angle, west of the meridian positive, −180 < H ≤ 180
  double altitude_degrees;     // above the horizon, −90..90; apparent when refraction is applied
  double azimuth_degrees;  // from north through east, 0 ≤ A < 360; 0 with the Sun at the zenith or nadir
};

// Standard atmospheric refraction R, degrees, to add to a geometric (airless)
// altitude h in degrees to get the apparent one, for 1010 hPa and 10 °C:
// Sæmundsson's formula from the true altitude as J. Meeus gives it (Astronomical
// Algorithms, 2nd ed., 1998, ch. 16, eq. 16.4),
//   R = 1.02′ / tan(h + 10.3° / (h + 5.11°)),
// plus 0.0019279′ so that R is zero at the zenith (the formula alone gives −0.0019′).
// About 29′ at h = 0, 5′ at 10°, 1′ at 45°. Below h = −1° the Sun is below the
// horizon either way; R is held at its value there (0.647°), away from the formula's
// pole at −5.11°.
double StandardRefractionDegrees(double geometric_altitude_degrees);

// The Sun's direction at `place` at `ut_hours` hours UT of the date `day` `month`
// `year` (proleptic Gregorian, the engine's years; hours and days past the end of the
// day or month count on). The hour angle comes from apparent solar time,
// UT + λ/15 h + E/60 h with E the engine's equation of time in minutes at that
// instant, less 12 h; the declination is Module1::SunApparentDeclination at the same
// instant. Altitude and azimuth by the spherical triangle of pole, zenith and Sun:
//   sin h = sin φ sin δ + cos φ cos δ cos H,
//   tan A = −cos δ sin H / (sin δ cos φ − cos δ sin φ cos H).
// With Refraction::kStandard the altitude is the apparent one, h + R(h).
SunDirection SunDirectionAt(const Place& place, int16_t year, int month, int day, double ut_hours,
                            Refraction refraction);

}  // namespace sundial
