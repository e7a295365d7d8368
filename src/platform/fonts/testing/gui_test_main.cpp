// SPDX-License-Identifier: MIT
// main() of the tests that draw without windows: a QGuiApplication on Qt's
// offscreen platform unless another is asked for, the font substitutions, then
// GoogleTest.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "platform/fonts/fonts.h"

int main(int argc, char** argv) {
  // gtest_discover_tests runs this binary without the tests' environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  platform::RegisterFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
