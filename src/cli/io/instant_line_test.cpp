// SPDX-License-Identifier: MIT
#include "cli/io/instant_line.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/io/errors.h"

namespace {

TEST(ReadInstantLine, OperandsAndIsoForms) {
  const struct {
    std::string line;
    int year, month, day;
    double hour;
  } kCases[] = {
      {"2002 2 11 12", 2002, 2, 11, 12},
      {"2002 2 11", 2002, 2, 11, 0},
      {"  2002\t2  11 7.25 \r", 2002, 2, 11, 7.25},
      {"-500 1 1 0.1", -500, 1, 1, 0.1},
      {"2000 2 29 23.999999999999", 2000, 2, 29, 23.999999999999},
      {"2002 02 011 12.000000000000000001", 2002, 2, 11, 12},  // past the quick reading
      {"０２００２　２　１１　１２．５", 2002, 2, 11, 12.5},              // as `at` reads its operands
      {"2002-02-11", 2002, 2, 11, 0},
      {"2002-02-11T12:30", 2002, 2, 11, 12.5},
      {"2002-02-11T06:00:36Z", 2002, 2, 11, 6.01},
      {"-0500-01-01T00:00Z", -500, 1, 1, 0},
      {"32767-12-31T23:59:59", 32767, 12, 31, 86399 / 3600.0},
  };
  for (const auto& c : kCases) {
    const std::optional<cli::Instant> instant = cli::ReadInstantLine(c.line);
    ASSERT_TRUE(instant.has_value()) << c.line;
    EXPECT_EQ(instant->year, c.year) << c.line;
    EXPECT_EQ(instant->month, c.month) << c.line;
    EXPECT_EQ(instant->day, c.day) << c.line;
    EXPECT_EQ(instant->hour, c.hour) << c.line;
  }
  const std::string kSkipped[] = {"",         "   \t\r",           "# 2002 2 11",
                                  "  #",      std::string(5000, ' '), "#" + std::string(5000, 'x')};
  for (const std::string& line : kSkipped) {
    EXPECT_FALSE(cli::ReadInstantLine(line).has_value()) << line;
  }
}

TEST(ReadInstantLine, ALineThatIsNoInstantSaysWhy) {
  const struct {
    std::string line;
    const char* message;
  } kCases[] = {
      {"2002 2 30 12", "DAY '30' is not a day 1..28 of that month"},
      {"2002 13 1", "MONTH '13' is not a month 1..12"},
      {"2002 2 11 24", "HOUR '24' is not an hour"},
      {"2002 2 11 .5", "HOUR '.5' is not an hour"},
      {"2002 2 11 12.", "HOUR '12.' is not an hour"},
      {"2002 2 11 1e1", "HOUR '1e1' is not an hour"},
      {"2002 2 11 12,5", "HOUR '12,5' is not an hour"},
      {"32768 1 1", "YEAR '32768' is not a whole number"},
      {"+2002 1 1", "YEAR '+2002' is not a whole number"},
      {"2002 2", "'2002 2' is not an instant"},
      {"2002 2 11 12 0", "'2002 2 11 12 0' is not an instant"},
      {"2002 2 11 # noon", "'2002 2 11 # noon' is not an instant"},
      {"20020211", "'20020211' is not an instant"},
      {"02-02-11", "'02-02-11' is not an instant"},
      {"2002-2-11", "'2002-2-11' is not an instant"},
      {"2002-02-11Z", "'2002-02-11Z' is not an instant"},
      {"2002-02-11 12:00", "'2002-02-11 12:00' is not an instant"},
      {"2002-02-11T24:00", "'2002-02-11T24:00' is not an instant"},
      {"2002-02-11T12:60", "'2002-02-11T12:60' is not an instant"},
      {"2002-02-11T12:00:60", "'2002-02-11T12:00:60' is not an instant"},
      {"2002-02-11T12", "'2002-02-11T12' is not an instant"},
      {"2002-02-11T12:00+09:00", "'2002-02-11T12:00+09:00' is not an instant"},
      {"2002-02-30", "DAY '30' is not a day 1..28 of that month"},
      {"2002-00-01", "MONTH '00' is not a month 1..12"},
      {"2002 2 11\x01", "DAY '11\\x01'"},
      {"2002 2 11 " + std::string(5000, '0'), "a line of more than 4096 bytes is not an instant"},
  };
  for (const auto& c : kCases) {
    try {
      (void)cli::ReadInstantLine(c.line);
      ADD_FAILURE() << c.line << ": accepted";
    } catch (const cli::ValueError& error) {
      EXPECT_EQ(error.message.rfind(c.message, 0), 0u) << c.line << ": " << error.message;
    }
  }
}

// A line read in its block (ended by "\n" or "\r\n", the next line after it) gives
// what it gives read by itself, and the reading moves past its end, a complaint
// or not.
TEST(ReadInstantLine, InABlockAsByItself) {
  const std::string kLines[] = {
      "2002 2 11 12",     "2002 2 11",         "2002 2 11 12.5",          "-500 1 1 0.1",
      "32767 12 31 23.75", "2002 02 011 12",   "2002 2 11 123456789012345", "2002 2 11 1234567890123456",
      "2002 2 11 12.",    "2002 2 11 .5",      "2002 2 11 24",            "2002  2 11",
      "2002 2 11 ",       "2002-02-11",        "2002-02-11T12:30",        "2002-02-11T06:00:36Z",
      "-0500-01-01T00:00Z", "32767-12-31T23:59:59", "2002-02-11Z",       "2002-02-11T12",
      "2002-02-11T12:00:6", "2002-02-1",       "2002-02",                 "2002-",
      "2002",             "-",                 "",                        "# 2002 2 11",
      "2002-02-30",       "2002-02-11T24:00",  "2002 2 30",               "20020 2 11",
      "200200 2 11",      "2002-02-11TZ",      "2002-02-11T12:00ZZ",      "１２ 1 1",
  };
  auto read = [](auto&& reading) -> std::string {
    try {
      const std::optional<cli::Instant> instant = reading();
      if (!instant) return "none";
      return std::to_string(instant->year) + " " + std::to_string(instant->month) + " " +
             std::to_string(instant->day) + " " + std::to_string(instant->hour);
    } catch (const cli::ValueError& error) {
      return error.message;
    }
  };
  for (const std::string& line : kLines) {
    const std::string alone = read([&] { return cli::ReadInstantLine(line); });
    for (const std::string& ending : {std::string("\n"), std::string("\r\n")}) {
      const std::string block = line + ending + "2002 2 11\n";
      const char* next = nullptr;
      const std::string in_block =
          read([&] { return cli::ReadInstantLine(block.data(), block.data() + block.size(), next); });
      EXPECT_EQ(in_block, alone) << line;
      EXPECT_EQ(next, block.data() + line.size() + ending.size()) << line;
    }
  }
}

}  // namespace
