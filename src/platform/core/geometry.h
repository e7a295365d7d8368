// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Twips (1/1440 inch) are the unit of every position and size in the windows'
// layouts. The layouts were drawn at 96 dots per inch, so a logical pixel is 15
// twips; HiDPI screens scale logical pixels, not twips.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel of a twip coordinate.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
// The device pixel a plotted position falls on, at `ratio` device pixels per
// logical pixel: the single-precision position divided by 15, then scaled and
// rounded to the nearest.
inline long PlottedPixel(float twips, double ratio) { return std::lround(twips / kTwipsPerPixel * ratio); }
inline float PixelsToTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

// Pixel size of a font given in points, at the 96 dpi the layouts assume.
inline int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96 / 72)); }

struct CentredPosition {
  float top_twips;
  float left_twips;
};

// Centres a window's outer frame on the screen: top first, then left, each the
// difference of single-precision sizes divided by 2. A window larger than the screen
// gets a negative top or left and overhangs both sides equally.
CentredPosition CentreOnScreen(float screen_width_twips, float screen_height_twips,
                               float window_width_twips, float window_height_twips);

}  // namespace platform
