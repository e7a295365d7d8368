// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Colours as 0xRRGGBB.
namespace platform {

using Colour = uint32_t;

inline constexpr Colour RGB(int red, int green, int blue) {
  return (static_cast<Colour>(red & 0xFF) << 16) | (static_cast<Colour>(green & 0xFF) << 8) |
         static_cast<Colour>(blue & 0xFF);
}

// The sixteen colours of the classic QBColor palette: 0 black, 1 blue, 2 green,
// 3 cyan, 4 red, 5 magenta, 6 olive, 7 light grey, 8 grey, 9 light blue, 10 light
// green, 11 light cyan, 12 light red, 13 light magenta, 14 yellow, 15 white.
// An index outside 0..15 raises the runtime's invalid-argument error.
Colour QBColor(int index);

}  // namespace platform
