// SPDX-License-Identifier: MIT
#pragma once

namespace Module1 {

// The day argument of an evaluation at `day` and `hour`: day + hour / 24 − 9 / 24 in
// double precision, stored once as a single. The evaluation adds the nine hours
// back, so the instant is `hour` o'clock of `day` on the Julian Day scale.
inline float DayArgument(float day, float hour) {
  return static_cast<float>(static_cast<double>(day) + hour / 24.0 - 9.0 / 24);
}

}  // namespace Module1
