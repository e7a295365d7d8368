// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace platform {

// The program's window icon (32 × 32 and 16 × 16, sixteen colours), shared by all
// of its windows.
QIcon AppIcon();

}  // namespace platform
