// SPDX-License-Identifier: MIT
#pragma once

namespace chart {

// One sample of a chart curve: where it was taken, what it measured, and where it is
// plotted (twips from the top left of the graph window's client area).
struct CurveSample {
  double julian_day;  // instant of the sample (the first instant for the rate)
  double day_offset;  // days since the sweep's first sample, accumulated step by step
  double value;       // minutes of time, or minutes per day for the rate
  double x_twips;     // horizontal position in double precision
  float plot_x_twips; // the position handed to the plotting operation
  float plot_y_twips;
};

}  // namespace chart
