// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <array>

namespace platform {

// The sizes the icon is rendered at (from icons/orvalin.svg, at build time): the
// ones window managers, task bars and launchers ask for.
inline constexpr std::array<int, 7> kAppIconSizesPx = {16, 24, 32, 48, 64, 128, 256};

// The program's window icon, shared by all of its windows.
QIcon AppIcon();

}  // namespace platform
