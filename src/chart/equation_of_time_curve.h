// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "chart/curve_sample.h"

namespace chart {

// The equation-of-time curve of one year: a sample every 0.15 day from 1 January 0h
// while the remaining span of 365.25 days is positive (2,436 samples, the running
// values advanced by repeated addition, never index × step). Each sample is the
// equation of time m in minutes at y = 3300 − m / 20 × 3180 twips (159 twips a
// minute, +20 at the top edge) and x = 840 + d × 8940 / 365.25 twips.
std::vector<CurveSample> SweepEquationOfTime(int16_t year);

// The Julian Day one step after the last sample: what the sweep leaves in the
// window's running Julian Day.
double JulianDayAfterSweep(const std::vector<CurveSample>& samples);

}  // namespace chart
