// SPDX-License-Identifier: MIT
#include "platform/core/palette.h"

#include <array>

#include "platform/core/runtime_error.h"

namespace platform {

Colour QBColor(int index) {
  static constexpr std::array<Colour, 16> kPalette = {
      RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
      RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
      RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
  };
  if (index < 0 || index > 15) throw RuntimeError::InvalidOperation();
  return kPalette[static_cast<std::size_t>(index)];
}

}  // namespace platform
