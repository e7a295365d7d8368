// SPDX-License-Identifier: MIT
#include "platform/forms/app_icon.h"

namespace platform {

QIcon AppIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/orvalin-32.xpm"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/orvalin-16.xpm"), QSize(16, 16));
  return icon;
}

}  // namespace platform
