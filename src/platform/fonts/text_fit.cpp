// SPDX-License-Identifier: MIT
#include "platform/fonts/text_fit.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/fonts/fonts.h"

namespace platform {
namespace {
constexpr int kNarrowestStretch = 60;  // percent of the face's width
}  // namespace

QRect GrownCaptionRect(const QRect& box, const QSize& needed, Qt::Alignment alignment) {
  QRect grown = box;
  const int extra_width = needed.width() - box.width();
  if (extra_width > 0) {
    if (alignment & Qt::AlignRight) grown.setLeft(grown.left() - extra_width);
    else if (alignment & Qt::AlignHCenter) grown.adjust(-extra_width / 2, 0, extra_width - extra_width / 2, 0);
    else grown.setRight(grown.right() + extra_width);
  }
  if (needed.height() > grown.height()) grown.setHeight(needed.height());
  return grown;
}

QFont FittedFont(const QFont& font, const QString& longest, int room_pixels) {
  QFont fitted = font;
  fitted.setStretch(QFont::Unstretched);
  const QFont twin = FixedPitchTwin(fitted);
  if (QFontMetrics(twin).horizontalAdvance(longest) < QFontMetrics(fitted).horizontalAdvance(longest)) fitted = twin;
  int width = QFontMetrics(fitted).horizontalAdvance(longest);
  for (int stretch = 100 * room_pixels / std::max(width, 1); width > room_pixels && stretch >= kNarrowestStretch;
       --stretch) {
    fitted.setStretch(std::min(stretch, 99));
    width = QFontMetrics(fitted).horizontalAdvance(longest);
  }
  return fitted;
}

}  // namespace platform
