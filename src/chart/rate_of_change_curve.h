// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "chart/curve_sample.h"

namespace chart {

// The rate of change of the equation of time in minutes per day: the forward
// difference over 0.1 day, sampled every 0.1 day from 1 January 9h while the
// remaining span of 365.25 days is positive (3,653 samples). Plotted one day's width
// further right than the equation-of-time curve, x = 840 + 8940 / 365.25 +
// d × 8940 / 365.25, and at y = 3300 − R × 4500 twips.
std::vector<CurveSample> SweepRateOfChange(int16_t year);

}  // namespace chart
