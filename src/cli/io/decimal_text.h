// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace cli {

// `value` with `decimals` fixed decimals and a full stop whatever the locale,
// never "-0.0": "203.4", "-2.345", "0.000".
std::string Fixed(double value, int decimals);

}  // namespace cli
