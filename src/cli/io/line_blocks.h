// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace cli {

// Reads a descriptor in blocks of whole lines, so each block can be worked on by
// itself. A line longer than `max_line_bytes` keeps only its first
// max_line_bytes + 1 bytes (enough to tell it is too long), so memory stays bounded
// whatever the input holds. The input's last line gets a "\n" if it lacks one, and a
// UTF-8 byte-order mark at its start is dropped.
class LineBlocks {
 public:
  static constexpr std::size_t kBlockBytes = 64 * 1024;

  // `name` is what a read error calls the input. `before_waiting` runs before a read
  // that would wait for more input (a pipe or a terminal with nothing ready yet).
  LineBlocks(int fd, std::string name, std::size_t max_line_bytes, std::function<void()> before_waiting);

  // Replaces `block` with the next whole lines, about kBlockBytes of them or what
  // has come so far; false at the end of the input. Throws ValueError when the
  // descriptor cannot be read.
  bool Next(std::string& block);

 private:
  // Appends newly read bytes to `block_`, dropping the part of a line beyond its limit.
  void Take(std::string_view bytes);
  bool InputReady() const;

  int fd_;
  std::string name_;
  std::size_t max_line_bytes_;
  std::function<void()> before_waiting_;
  std::unique_ptr<char[]> chunk_;
  std::string pending_;        // read but not handed out: whole lines, then a partial one
  std::size_t line_start_ = 0;  // where the partial line at the end of pending_ starts
  bool dropping_ = false;      // inside a line that is over its limit
  bool started_ = false;       // some input has been taken
  bool ended_ = false;
};

}  // namespace cli
