// SPDX-License-Identifier: MIT
#include "cli/io/line_blocks.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

// The lines LineBlocks gives for `pieces` written one by one into a pipe, a pause
// between them; the pipe's reading end non-blocking when asked.
std::string ReadThroughPipe(const std::vector<std::string>& pieces, bool non_blocking, int& waits) {
  int ends[2];
  EXPECT_EQ(pipe(ends), 0);
  if (non_blocking) fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
  std::thread writer([&] {
    for (const std::string& piece : pieces) {
      EXPECT_EQ(write(ends[1], piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    close(ends[1]);
  });
  cli::LineBlocks blocks(ends[0], "-", 8, [&] { ++waits; });
  std::string all;
  for (std::string block; blocks.Next(block);) {
    EXPECT_EQ(block.back(), '\n') << block;
    all += block;
  }
  writer.join();
  close(ends[0]);
  return all;
}

TEST(LineBlocks, WholeLinesWhateverTheReads) {
  const struct {
    std::vector<std::string> pieces;
    std::string lines;
  } kCases[] = {
      {{"2002 2 1", "1 12\n2002"}, "2002 2 11 12\n2002\n"},  // the last line gets its '\n'
      {{"\xEF\xBB\xBF# a\n"}, "# a\n"},                     // no byte-order mark
      {{"0123456789abc", "def\nok\n"}, "012345678\nok\n"},   // cut to 8 + 1 bytes
      {{"#23456789", "", "\n", "x\n"}, "#23456789\nx\n"},
  };
  for (const bool non_blocking : {false, true}) {
    for (const auto& c : kCases) {
      int waits = 0;
      EXPECT_EQ(ReadThroughPipe(c.pieces, non_blocking, waits), c.lines) << c.lines;
      EXPECT_GT(waits, 0) << "rows are flushed before waiting on a pipe: " << c.lines;
    }
  }
}

}  // namespace
