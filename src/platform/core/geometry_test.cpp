// SPDX-License-Identifier: MIT
#include "platform/core/geometry.h"

#include <gtest/gtest.h>

#include "platform/core/palette.h"
#include "platform/core/runtime_error.h"

namespace {

using platform::CentreOnScreen;

TEST(CentreOnScreen, TopThenLeftHalfTheDifference) {
  const struct {
    float screen_w, screen_h, window_w, window_h, top, left;
  } kCases[] = {
      {19200, 15360, 5520, 2460, 6450, 6840},
      {19200, 15360, 19200, 15360, 0, 0},
      {19200, 15360, 5535, 2475, 6442.5f, 6832.5f},    // odd sizes keep the half twip
      {12000, 12000, 15000, 13000, -500, -1500},        // larger than the screen: overhangs both sides
  };
  for (const auto& c : kCases) {
    const auto position = CentreOnScreen(c.screen_w, c.screen_h, c.window_w, c.window_h);
    EXPECT_EQ(position.top_twips, c.top) << c.window_w << "x" << c.window_h;
    EXPECT_EQ(position.left_twips, c.left) << c.window_w << "x" << c.window_h;
  }
}

TEST(Twips, PixelsAndFontSizes) {
  EXPECT_EQ(platform::TwipsToPixels(840), 56);
  EXPECT_EQ(platform::TwipsToPixels(264), 18);  // 17.6 rounds up
  EXPECT_EQ(platform::TwipsToPixels(3825.27), 255);
  const struct {
    double points;
    int pixels;
  } kFonts[] = {{9, 12}, {9.75, 13}, {10.5, 14}, {11.25, 15}, {12, 16}, {13.5, 18}, {14.25, 19}};
  for (const auto& f : kFonts) EXPECT_EQ(platform::PointsToPixels(f.points), f.pixels) << f.points;
}

TEST(QBColor, ThePaletteAndItsRange) {
  const struct {
    int index;
    platform::Colour colour;
  } kCases[] = {{0, 0x000000}, {1, 0x000080}, {2, 0x008000}, {3, 0x008080}, {4, 0x800000},
                {5, 0x800080}, {6, 0x808000}, {7, 0xC0C0C0}, {8, 0x808080}, {9, 0x0000FF},
                {10, 0x00FF00}, {11, 0x00FFFF}, {12, 0xFF0000}, {15, 0xFFFFFF}};
  for (const auto& c : kCases) EXPECT_EQ(platform::QBColor(c.index), c.colour) << c.index;
  EXPECT_THROW(platform::QBColor(16), platform::RuntimeError);
  EXPECT_THROW(platform::QBColor(-1), platform::RuntimeError);
  EXPECT_EQ(platform::RGB(255, 0, 0), 0xFF0000u);
}

}  // namespace
