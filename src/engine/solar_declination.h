// SPDX-License-Identifier: MIT
#pragma once

#include "engine/solar_elements.h"

// Where the Sun stands on the sky, from the same mean elements the equation of time
// uses (SolarElements at T Julian centuries from JD 2415020.0, the 1900 epoch).
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 25, the Sun's
// position to low accuracy (about 0.01°): the true longitude by the equation of the
// centre, then the apparent longitude and obliquity with its one-term corrections
// for nutation and aberration, then sin δ = sin ε sin λ. Meeus's equation of the
// centre is the elliptic series below with his eccentricity put in; here it takes the
// engine's e. Against an ephemeris over 1800–2200 the declination is within 0.005°
// (RMS 0.001°), 0.0072° without the nutation and aberration terms
// (tools/sun_accuracy.py, results in tools/accuracy-results.md).
namespace Module1 {

// Equation of the centre C (true minus mean anomaly), degrees, |C| < 2°, from the
// mean anomaly M in degrees (any value) and the eccentricity e (0 ≤ e < 0.1): the
// elliptic expansion to e³,
//   C = (2e − e³/4) sin M + (5/4) e² sin 2M + (13/12) e³ sin 3M   (radians).
double EquationOfCentre(double M, double e);

// The Sun's true geometric longitude ☉ = L + C, degrees, 0 ≤ ☉ < 360, referred to
// the mean equinox of date.
double SunTrueLongitude(const SolarElements& elements);

// Longitude of the ascending node of the Moon's mean orbit Ω, degrees, not reduced:
// Meeus's 125.04° − 1934.136° T₂₀₀₀ with T₂₀₀₀ = T − 1 (J2000.0 is T = 1).
double MoonNodeLongitude(double T);

// The Sun's apparent longitude λ, degrees, 0 ≤ λ < 360: ☉ corrected for nutation in
// longitude and for aberration, λ = ☉ − 0.00569° − 0.00478° sin Ω.
double SunApparentLongitude(const SolarElements& elements, double T);

// The obliquity the apparent Sun is referred to, degrees: ε + 0.00256° cos Ω, the
// engine's mean obliquity plus the nutation in obliquity.
double ApparentObliquity(const SolarElements& elements, double T);

// The Sun's apparent (geocentric) declination δ, degrees, −ε ≤ δ ≤ ε (about ±23.45°),
// north positive, at T Julian centuries from JD 2415020.0, `elements` being
// ElementsAt(T). The Sun's ecliptic latitude (under 1.2″) is taken as zero.
double SunApparentDeclination(const SolarElements& elements, double T);

inline double SunApparentDeclination(double T) { return SunApparentDeclination(ElementsAt(T), T); }

}  // namespace Module1
