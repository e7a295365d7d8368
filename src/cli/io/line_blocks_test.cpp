// SPDX-License-Identifier: MIT
#include "cli/io/line_blocks.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cli/io/errors.h"

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
      {{"\xEF", "\xBB\xBF# a\n"}, "# a\n"},                  // nor one cut by the reads
      {{"\xEF\xBB", "\xBF", "# a\n"}, "# a\n"},
      {{"\xEF\xBB", "x\n"}, "\xEF\xBBx\n"},                  // the start of a mark only is text
      {{"\xEF"}, "\xEF\n"},
      {{"# a\n\xEF\xBB\xBF\n"}, "# a\n\xEF\xBB\xBF\n"},       // a mark after the start is text
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

// The lines LineBlocks gives before a read fails, each piece one read, then the
// error of the read after the last piece.
TEST(LineBlocks, AFailedReadComesAfterTheLinesReadBeforeIt) {
  const struct {
    std::vector<std::string> pieces;
    std::string lines;
  } kCases[] = {
      {{}, ""},
      {{"2002 2 11\n", "# a\n2002 2"}, "2002 2 11\n# a\n"},  // the unfinished line is lost
      {{"\xEF\xBB\xBF", "x\ny\n"}, "x\ny\n"},
  };
  for (const auto& c : kCases) {
    std::size_t next = 0;
    cli::LineBlocks::Source source{[&](char* buffer, std::size_t size) -> ssize_t {
                                     if (next == c.pieces.size()) {
                                       errno = EIO;
                                       return -1;
                                     }
                                     const std::string& piece = c.pieces[next++];
                                     EXPECT_LE(piece.size(), size);
                                     piece.copy(buffer, piece.size());
                                     return static_cast<ssize_t>(piece.size());
                                   },
                                   [] { return true; }};
    cli::LineBlocks blocks(source, "in.txt", 8, [] {});
    std::string all;
    try {
      for (std::string block; blocks.Next(block);) all += block;
      ADD_FAILURE() << c.lines << ": no error";
    } catch (const cli::ValueError& error) {
      EXPECT_EQ(error.message, "cannot read 'in.txt': Input/output error") << c.lines;
    }
    EXPECT_EQ(all, c.lines);
  }
}

}  // namespace
