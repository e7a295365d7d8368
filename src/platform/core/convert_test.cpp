// SPDX-License-Identifier: MIT
#include "platform/core/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "platform/core/runtime_error.h"
#include "platform/core/testing/scoped_locale.h"

namespace {

using namespace platform;
using namespace std::string_literals;

// Runs a conversion and returns the runtime error number it raised, or nullopt.
template <typename F>
std::optional<int> ErrorNumberOf(F&& convert) {
  try {
    convert();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return std::nullopt;
}

constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;

// Every conversion gives the same texts and numbers whatever the process locale:
// under a decimal-comma locale the C library's printf wrote "33,0", which the
// readers then refused as a type mismatch.
class Conversions : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (locale_.Active()) return;
    if (platform::testing::LocalesRequired()) FAIL() << "locale " << GetParam() << " is not installed";
    GTEST_SKIP() << "locale " << GetParam() << " is not installed (scripts/install-deps makes it)";
  }

 private:
  platform::testing::ScopedLocale locale_{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Locales, Conversions, ::testing::Values("C", "de_DE.UTF-8", "fr_FR.UTF-8"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase_if(name, [](char c) { return c == '.' || c == '-'; });
                           return name;
                         });

TEST_P(Conversions, LeadingNumberReadsTheNumberAtTheStart) {
  const struct {
    std::string text;
    double value;
  } kCases[] = {
      {"2002", 2002},         {"-660", -660},         {"   1998", 1998},     {"1998.5", 1998.5},
      {"2002年", 2002},       {"abc", 0},             {"年", 0},            {"", 0},
      {"1 9 9 8", 1998},      {"\t12\n3", 123},       {"- 5", -5},          {"+5", 5},
      {"-.5", -0.5},          {".5", 0.5},            {"5.", 5},            {"1.2.3", 1.2},
      {"1e5", 100000},        {"1E-2", 0.01},         {"1D2", 100},         {"1e", 1},
      {"1e+", 1},             {"12abc", 12},          {"+", 0},             {"-", 0},
      {".", 0},               {"E5", 0},              {"1e-400", 0},        {"32768", 32768},
      {"&H10", 16},           {"&h1f", 31},           {"&HFFFF", -1},       {"&H8000", -32768},
      {"&H7FFF", 32767},      {"&H10000", 65536},     {"&HFFFFFFFF", -1},   {"&H", 0},
      {"&HG", 0},             {"&O17", 15},           {"&o177777", -1},     {"&O", 0},
      {"&O8", 0},             {"&", 0},               {"-&H10", 0},         {"2002\0"s "9", 2002},
      // Full-width digits, sign, full stop and space read as their ASCII twins.
      {"２００２", 2002},     {"－５００", -500},     {"＋１２", 12},       {"２００２．５", 2002.5},
      {"\u3000２００２年", 2002},
      {"\xff" "12", 0},       {"12\xe3\x80", 12},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(LeadingNumber(c.text), c.value) << "text: " << c.text;
  }
}

TEST_P(Conversions, StartsWithNumberOnlyWhereANumberIsRead) {
  const struct {
    const char* text;
    bool starts;
  } kCases[] = {{"2002", true}, {" -5", true},  {".5", true},   {"0", true},     {"&H1", true},
                {"２", true},   {"abc", false}, {"", false},    {"-", false},    {".", false},
                {"&H", false},  {"年2002", false}, {"+ 1", true}, {"E5", false}};
  for (const auto& c : kCases) EXPECT_EQ(StartsWithNumber(c.text), c.starts) << c.text;
}

TEST_P(Conversions, LeadingNumberBeyondADoubleIsOverflow) {
  for (const char* text : {"1e309", "-1e309", "&H123456789", "9e99999999999999999999"}) {
    EXPECT_EQ(ErrorNumberOf([&] { LeadingNumber(text); }), kOverflow) << text;
  }
  // A long mantissa with a compensating exponent is in range.
  EXPECT_DOUBLE_EQ(LeadingNumber(std::string(400, '9') + "e-400"), 1.0);
}

TEST_P(Conversions, TextToIntegerRoundsHalvesToEvenWithinSixteenBits) {
  const struct {
    std::string text;
    int value;
  } kCases[] = {
      {"2002", 2002},   {" 2002 ", 2002}, {"\t7\t", 7},       {"1998.5", 1998},  {"1999.5", 2000},
      {"-2.5", -2},     {"-3.5", -4},     {"0.5", 0},         {"32767", 32767},  {"-32768", -32768},
      {"-32768.5", -32768},               {"09", 9},          {"+03", 3},        {"&HFFFF", -1},
      {"1e2", 100},     {"２９", 29},     {"\u3000１２\u3000", 12},              {"-0", 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TextToInteger(c.text), c.value) << "text: " << c.text;
  }
}

TEST_P(Conversions, TextToIntegerErrorsForEmptyNonNumericAndOutOfRange) {
  const struct {
    std::string text;
    int number;
  } kCases[] = {
      {"", kTypeMismatch},         {" ", kTypeMismatch},       {"abc", kTypeMismatch},
      {"2002年", kTypeMismatch},   {"1 2", kTypeMismatch},     {"+", kTypeMismatch},
      {".", kTypeMismatch},        {"1e", kTypeMismatch},      {"&H", kTypeMismatch},
      {"NaN", kTypeMismatch},      {"Infinity", kTypeMismatch},{"1\0"s, kTypeMismatch},
      {"😀", kTypeMismatch},       {"\u200f" "12", kTypeMismatch},
      {"32768", kOverflow},        {"-32769", kOverflow},      {"32767.5", kOverflow},
      {"1e5", kOverflow},          {"&H10000", kOverflow},     {"1e309", kOverflow},
      {std::string(40, '9'), kOverflow},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToInteger(c.text); }), c.number) << "text: " << c.text;
  }
}

TEST_P(Conversions, TextToSingleNearestSingleOrError) {
  const struct {
    std::string text;
    float value;
  } kCases[] = {
      {"15", 15.0f}, {" 23.4 ", 23.4f}, {"7", 7.0f}, {"-0.5", -0.5f}, {"1e38", 1e38f},
      {"1e-50", 0.0f}, {"１２．５", 12.5f}, {"3.4028234e38", 3.4028234e38f},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TextToSingle(c.text), c.value) << "text: " << c.text;
  }
  for (const char* text : {"3.5e38", "-1e39", "1e309"}) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToSingle(text); }), kOverflow) << text;
  }
  for (const char* text : {"", "x", "1,5", "--1"}) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToSingle(text); }), kTypeMismatch) << text;
  }
}

TEST_P(Conversions, RoundToIntegerHalvesToEvenAndRange) {
  const struct {
    double value;
    int rounded;
  } kCases[] = {{1998.5, 1998}, {1999.5, 2000}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2},
                {2.5001, 3},    {-32768.5, -32768}, {32767.4, 32767}};
  for (const auto& c : kCases) EXPECT_EQ(RoundToInteger(c.value), c.rounded) << c.value;
  for (double value : {32767.5, -32768.6, 1e300, -1e300}) {
    EXPECT_EQ(ErrorNumberOf([&] { RoundToInteger(value); }), kOverflow) << value;
  }
}

TEST_P(Conversions, NumberToTextGeneralForm) {
  EXPECT_EQ(NumberToText(2002), "2002");
  EXPECT_EQ(NumberToText(-500), "-500");
  EXPECT_EQ(NumberToText(0), "0");
  const struct {
    double value;
    const char* text;
  } kDoubles[] = {{14, "14"},     {3, "3"},       {-0.5, "-0.5"}, {0.1, "0.1"},
                  {-0.0, "0"},    {1e15, "1E+15"}, {123456789012345, "123456789012345"},
                  {1e-5, "1E-05"}, {2451545.25, "2451545.25"}};
  for (const auto& c : kDoubles) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
}

TEST_P(Conversions, SingleToTextSevenSignificantDigits) {
  const struct {
    float value;
    const char* text;
  } kCases[] = {{23.4f, "23.4"},  {7.0f, "7"},        {0.5f, "0.5"}, {60.0f, "60"},
                {16.3f, "16.3"},  {15.166667f, "15.16667"},       {1e7f, "1E+07"},
                {-4.0f, "-4"},    {0.0f, "0"}};
  for (const auto& c : kCases) EXPECT_EQ(SingleToText(c.value), c.text) << c.value;
}

TEST_P(Conversions, FormatFixedOneDecimalOneDecimalHalvesAwayFromZero) {
  const struct {
    double value;
    const char* text;
  } kCases[] = {
      {16.25, "16.3"},  {-16.25, "-16.3"}, {0.25, "0.3"},  {0.75, "0.8"},  // exact halves
      {16.35, "16.4"},  {0.15, "0.1"},     {0.05, "0.1"},  // nearest doubles above / below the half
      {59.976, "60.0"}, {0, "0.0"},        {0.04, "0.0"},  {7, "7.0"},     {123.456, "123.5"},
      {-0.04, "-0.0"},  {-16.27, "-16.3"}, {-16.22, "-16.2"},  {399999999999999.94, "399999999999999.9"},
      {1e15, "1000000000000000.0"},        {-2.5e15, "-2500000000000000.0"},
  };
  for (const auto& c : kCases) EXPECT_EQ(FormatFixedOneDecimal(c.value), c.text) << c.value;
}

// The pattern is printf's "%.1f" in the C locale except at exact halves, which
// printf rounds to even: compared over values of every magnitude the windows see.
TEST(FormatFixedOneDecimal, AgreesWithPrintfAwayFromExactHalves) {
  platform::testing::ScopedLocale c_locale("C");
  std::mt19937_64 random(20021211);
  std::uniform_real_distribution<double> exponent(-8, 16);
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    const double value = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
    if (std::fma(value, 10, -value * 10) == 0 && value * 10 - std::floor(value * 10) == 0.5) continue;
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.1f", value);
    ASSERT_EQ(FormatFixedOneDecimal(value), printed) << std::hexfloat << value;
    ++compared;
  }
  EXPECT_GT(compared, 19000);
}

// Plain decimals (what the windows write and read back) take a short path; it must
// give the double strtod gives, for every length and position of the full stop.
TEST(TextToDouble, PlainDecimalsReadAsStrtodReadsThem) {
  platform::testing::ScopedLocale c_locale("C");
  std::mt19937_64 random(4000);
  for (int length = 1; length <= 19; ++length) {
    for (int i = 0; i < 2000; ++i) {
      std::string text = i % 3 == 0 ? "-" : "";
      for (int k = 0; k < length; ++k) text += static_cast<char>('0' + random() % 10);
      const std::size_t stop = random() % (length + 1);
      if (stop < static_cast<std::size_t>(length)) text.insert(text.size() - stop, ".");
      ASSERT_EQ(TextToDouble(text), std::strtod(text.c_str(), nullptr)) << text;
    }
  }
}

}  // namespace
