// SPDX-License-Identifier: MIT
#include "platform/core/runtime_error.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using platform::RuntimeError;

TEST(RuntimeError, NumbersAndDescriptions) {
  const struct {
    RuntimeError error;
    int number;
    const char* description;
  } kCases[] = {
      {RuntimeError::Overflow(), 6, "オーバーフローしました。"},
      {RuntimeError::SubscriptOutOfRange(), 9, "インデックスが有効範囲にありません。"},
      {RuntimeError::DivisionByZero(), 11, "0 で除算しました。"},
      {RuntimeError::TypeMismatch(), 13, "型が一致しません。"},
      {RuntimeError::InvalidOperation(), 5, "プロシージャの呼び出し、または引数が不正です。"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(c.error.number(), c.number);
    EXPECT_EQ(c.error.description(), c.description);
    EXPECT_STREQ(c.error.what(), c.description);
  }
}

TEST(RuntimeError, FloatingPointStatusChecks) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(platform::CheckFloatingPoint(1.5), 1.5);
  EXPECT_THROW(platform::CheckFloatingPoint(inf), RuntimeError);
  try {
    platform::CheckFloatingPoint(inf - inf);
    ADD_FAILURE() << "NaN did not raise";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 5);
  }
  try {
    platform::CheckedDivide(1, 0);
    ADD_FAILURE() << "division by zero did not raise";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 11);
  }
  EXPECT_EQ(platform::CheckedDivide(9, 24), 0.375);
}

}  // namespace
