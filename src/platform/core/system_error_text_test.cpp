// SPDX-License-Identifier: MIT
#include "platform/core/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(SystemErrorText, CommonFailuresOfASaveHaveJapaneseReasons) {
  const struct {
    int error;
    const char* text;
  } kCases[] = {
      {EACCES, "アクセスが拒否されました"},
      {ENOENT, "ファイルまたはフォルダーが見つかりません"},
      {ENOSPC, "ディスクの空き領域が足りません"},
      {EFBIG, "ファイルが大きすぎます"},
      {EROFS, "読み取り専用の場所です"},
      {EISDIR, "同じ名前のフォルダーがあります"},
      {9999, "エラー番号 9999"},
  };
  for (const auto& c : kCases) EXPECT_EQ(platform::SystemErrorText(c.error), c.text) << "errno " << c.error;
}

// Whatever the number: no Latin letter, so no English phrase, in a window's message.
TEST(SystemErrorText, NeverHoldsALatinLetter) {
  for (int error = 0; error <= 140; ++error) {
    const std::string text = platform::SystemErrorText(error);
    ASSERT_FALSE(text.empty()) << "errno " << error;
    for (char c : text) ASSERT_FALSE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << "errno " << error << ": " << text;
  }
}

}  // namespace
