// SPDX-License-Identifier: MIT
#include "cli/io/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "cli/io/day_value.h"
#include "platform/core/convert.h"

namespace {

template <typename Writer>
std::string Written(Writer write) {
  char text[cli::kMaxNumberText];
  return std::string(text, write(text));
}

std::string SixDecimalsOf(double value) {
  char text[cli::kMaxNumberText];
  return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6).ptr);
}

// The rows' fast writers give the texts of the general functions, at the halves
// where rounding is decided and over a sweep of the values a row can hold.
TEST(NumberText, SixDecimalsRoundAsToChars) {
  const double kCases[] = {-14.271947,  16.4704955, 0.0078125, -0.0078125, 0.0000005, 1e-7, -1e-7, -0.0,
                           999.9999995, 1000.0000005, 26.9999995, 1e300, -1e-300,
                           std::numeric_limits<double>::infinity(), std::nan("")};
  for (const double value : kCases) {
    EXPECT_EQ(Written([&](char* at) { return cli::WriteSixDecimals(at, value); }), SixDecimalsOf(value)) << value;
  }
  std::uint64_t state = 20;
  for (int i = 0; i < 200000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const double value = (static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5) * 60;
    ASSERT_EQ(Written([&](char* at) { return cli::WriteSixDecimals(at, value); }), SixDecimalsOf(value)) << value;
  }
}

TEST(NumberText, SecondsMinutesAndDatesAsTheGeneralForms) {
  for (int tenths = 0; tenths < 20000; ++tenths) {
    const auto seconds = static_cast<float>(tenths / 10.0);
    ASSERT_EQ(Written([&](char* at) { return cli::WriteSingle(at, seconds); }), platform::SingleToText(seconds))
        << tenths;
  }
  for (const float value : {-0.0f, -1.5f, 0.05f, 1e-20f, 3.4e38f}) {
    EXPECT_EQ(Written([&](char* at) { return cli::WriteSingle(at, value); }), platform::SingleToText(value)) << value;
  }
  for (const double minutes : {0.0, 14.0, 26.0, 1e9, 1e15, 2.5}) {
    EXPECT_EQ(Written([&](char* at) { return cli::WriteNumber(at, minutes); }), platform::NumberToText(minutes))
        << minutes;
  }
  for (const int year : {-32768, -500, -1, 0, 5, 999, 2002, 32767}) {
    EXPECT_EQ(Written([&](char* at) { return cli::WriteIsoDate(at, year, 2, 9); }), cli::IsoDate(year, 2, 9)) << year;
  }
}

}  // namespace
