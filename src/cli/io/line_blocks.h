// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace cli {

// Reads an input in blocks of whole lines, so each block can be worked on by
// itself. A line longer than `max_line_bytes` keeps only its first
// max_line_bytes + 1 bytes (enough to tell it is too long), so memory stays bounded
// whatever the input holds. The input's last line gets a "\n" if it lacks one, and a
// UTF-8 byte-order mark at its start is dropped, however the reads cut it.
class LineBlocks {
 public:
  static constexpr std::size_t kBlockBytes = 64 * 1024;

  // Where the bytes come from. `read` acts as read(2): the count of bytes put in the
  // buffer, 0 at the end of the input, or -1 with errno set. `ready` says whether a
  // read would return at once.
  struct Source {
    std::function<ssize_t(char* buffer, std::size_t size)> read;
    std::function<bool()> ready;
  };

  // A descriptor; one left non-blocking is waited on, not failed with EAGAIN.
  static Source DescriptorSource(int fd);

  // `name` is what a read error calls the input. `before_waiting` runs before a read
  // that would wait for more input (a pipe or a terminal with nothing ready yet).
  LineBlocks(Source source, std::string name, std::size_t max_line_bytes, std::function<void()> before_waiting);
  LineBlocks(int fd, std::string name, std::size_t max_line_bytes, std::function<void()> before_waiting)
      : LineBlocks(DescriptorSource(fd), std::move(name), max_line_bytes, std::move(before_waiting)) {}

  // Replaces `block` with the next whole lines, about kBlockBytes of them or what
  // has come so far; false at the end of the input. Throws ValueError when the
  // input cannot be read, once the whole lines read before the failure have been
  // handed out; the unfinished line at the failure is lost.
  bool Next(std::string& block);

 private:
  // Appends newly read bytes to `pending_`, dropping the part of a line beyond its limit.
  void Take(std::string_view bytes);
  // Appends bytes after the byte-order mark has been looked for.
  void Append(std::string_view bytes);
  // The input has ended: what is held gets its line end.
  void End();

  Source source_;
  std::string name_;
  std::size_t max_line_bytes_;
  std::function<void()> before_waiting_;
  std::unique_ptr<char[]> chunk_;
  std::string pending_;        // read but not handed out: whole lines, then a partial one
  std::size_t line_start_ = 0;  // where the partial line at the end of pending_ starts
  std::size_t mark_bytes_ = 0;  // leading bytes that are the start of a byte-order mark, held back
  bool dropping_ = false;      // inside a line that is over its limit
  bool started_ = false;       // the byte-order mark has been looked for
  bool ended_ = false;
  int read_error_ = 0;         // errno of a failed read, reported once the lines before it are out
};

}  // namespace cli
