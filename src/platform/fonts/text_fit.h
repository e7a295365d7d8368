// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// The layouts were sized for the Windows faces; the stand-in faces are a little
// wider. These place a caption or a value where the layout put it without cutting it.
namespace platform {

// Where a one-line caption of `needed` size goes when the layout gave it `box`: a
// box too narrow grows away from its aligned edge (both ways when centred), one too
// low grows downwards.
QRect GrownCaptionRect(const QRect& box, const QSize& needed, Qt::Alignment alignment);

// `font` as a box of `room_pixels` needs it to show `longest` in full: the
// fixed-pitch twin of the face where its digits are narrower, then condensed as far
// as needed (down to 60 % of the face's width).
QFont FittedFont(const QFont& font, const QString& longest, int room_pixels);

}  // namespace platform
