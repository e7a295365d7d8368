// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace app {

// The calculation year: negative before the common era, 0 until the first year is
// confirmed. Written only by the year entry window's confirmation.
inline int16_t CalcYear = 0;

// The sound file played after the version box closes; set by that command.
inline std::string SoundPath;

}  // namespace app
