// SPDX-License-Identifier: MIT
#include "platform/forms/app_icon.h"

#include <QString>

namespace platform {

QIcon AppIcon() {
  QIcon icon;
  for (int size_px : kAppIconSizesPx) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/orvalin.png").arg(size_px), QSize(size_px, size_px));
  }
  return icon;
}

}  // namespace platform
