// SPDX-License-Identifier: MIT
#include "cli/io/option_parser.h"

#include <gtest/gtest.h>

#include "cli/io/errors.h"

namespace {

cli::Command Table() {
  cli::Command command;
  command.name = "table";
  command.options = {{"hour", "H", "H", ""}, {"csv", "c", "", ""}};
  command.max_operands = 2;
  return command;
}

// The forms the command-line table of cli_test does not spell out.
TEST(ParseCommandArguments, ValuesAndOperandsAsGiven) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> operands;
    std::string hour;  // "(none)" when not given
    bool csv;
  } kCases[] = {
      {{"-H=6", "2002"}, {"2002"}, "6", false},
      {{"--hour", "1", "--hour=12"}, {}, "12", false},  // the last one wins
      {{"--hour", "--", "-c"}, {}, "--", true},          // a value is the next argument, whatever it is
      {{"--hour=", "-"}, {"-"}, "", false},
      {{"-c", "--", "-c", "-500"}, {"-c", "-500"}, "(none)", true},
      {{"-.5", "\xff-"}, {"-.5", "\xff-"}, "(none)", false},
  };
  for (const auto& c : kCases) {
    const std::string row = c.args.front();
    const cli::ParsedCommand parsed = cli::ParseCommandArguments(Table(), c.args);
    EXPECT_EQ(parsed.operands, c.operands) << row;
    EXPECT_EQ(parsed.Has("hour") ? parsed.Value("hour") : "(none)", c.hour) << row;
    EXPECT_EQ(parsed.Has("csv"), c.csv) << row;
  }
}

TEST(ParseCommandArguments, ShortOptionsStandAlone) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"-H12"}, {"-cH", "1"}, {"-c=1"}}) {
    EXPECT_THROW(cli::ParseCommandArguments(Table(), args), cli::UsageError) << args.front();
  }
}

}  // namespace
