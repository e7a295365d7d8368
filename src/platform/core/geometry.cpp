// SPDX-License-Identifier: MIT
#include "platform/core/geometry.h"

#include "platform/core/runtime_error.h"

namespace platform {

CentredPosition CentreOnScreen(float screen_width_twips, float screen_height_twips,
                               float window_width_twips, float window_height_twips) {
  const float top = static_cast<float>(
      CheckFloatingPoint((screen_height_twips - window_height_twips) / 2.0));
  const float left = static_cast<float>(
      CheckFloatingPoint((screen_width_twips - window_width_twips) / 2.0));
  return {top, left};
}

}  // namespace platform
