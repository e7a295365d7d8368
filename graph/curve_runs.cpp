// SPDX-License-Identifier: MIT
#include "graph/curve_runs.h"

#include <cmath>

namespace graph {

std::vector<CurveRun> CurveRuns(const platform::PlottedPoints& points) {
  std::vector<CurveRun> runs;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const platform::PlottedPoint& point = points[i];
    if (!runs.empty()) {
      const platform::PlottedPoint& previous = points[i - 1];
      const float dx = point.x_twips - previous.x_twips;
      const float dy = point.y_twips - previous.y_twips;
      const bool continues = point.colour == runs.back().colour && dx >= 0 && dx <= kCurveBreakTwips &&
                             std::fabs(dy) <= kCurveBreakTwips;
      if (continues) {
        ++runs.back().count;
        continue;
      }
    }
    runs.push_back({point.colour, i, 1});
  }
  return runs;
}

}  // namespace graph
