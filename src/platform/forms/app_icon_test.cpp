// SPDX-License-Identifier: MIT
// The window icon: every size is compiled in, has that size, and holds the drawing
// (opaque sun and curve on a transparent ground), not an empty or failed render.
#include "platform/forms/app_icon.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

// Counts the pixels of image that are fully opaque and fully transparent.
struct AlphaCounts {
  int opaque = 0;
  int transparent = 0;
};
AlphaCounts CountAlpha(const QImage& image) {
  AlphaCounts counts;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const int alpha = qAlpha(argb.pixel(x, y));
      counts.opaque += alpha == 255;
      counts.transparent += alpha == 0;
    }
  }
  return counts;
}

TEST(AppIcon, EverySizeIsARenderedDrawingOfThatSize) {
  const QIcon icon = platform::AppIcon();
  for (int size_px : platform::kAppIconSizesPx) {
    SCOPED_TRACE(testing::Message() << size_px << " px");
    const QImage image(QStringLiteral(":/icons/%1x%1/orvalin.png").arg(size_px));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size_px, size_px));
    EXPECT_TRUE(image.hasAlphaChannel());
    const AlphaCounts counts = CountAlpha(image);
    const int pixels = size_px * size_px;
    // The sun and the curve cover roughly a quarter to a half of the square.
    EXPECT_GT(counts.opaque, pixels / 8);
    EXPECT_GT(counts.transparent, pixels / 4);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size_px, size_px)));
  }
}

}  // namespace
