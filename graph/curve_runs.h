// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "platform/forms/form_client.h"

namespace graph {

// A stretch of consecutive plotted points that belong to one curve: drawn as one
// line through them in their colour.
struct CurveRun {
  platform::Colour colour;
  std::size_t first;  // index into the plotted points
  std::size_t count;
};

// Splits the drawing surface's points into curves: a new curve begins where the
// colour changes, where the points turn back to the left (the same year drawn
// again), or where two points lie more than kCurveBreakTwips apart in x or y.
// Neighbouring samples of either sweep are less than a pixel apart.
inline constexpr float kCurveBreakTwips = 150;  // 10 pixels
std::vector<CurveRun> CurveRuns(const platform::PlottedPoints& points);

}  // namespace graph
