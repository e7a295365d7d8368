// SPDX-License-Identifier: MIT
#include "cli/io/line_blocks.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/standard_output.h"

namespace cli {

LineBlocks::LineBlocks(int fd, std::string name, std::size_t max_line_bytes, std::function<void()> before_waiting)
    : fd_(fd),
      name_(std::move(name)),
      max_line_bytes_(max_line_bytes),
      before_waiting_(std::move(before_waiting)),
      chunk_(new char[kBlockBytes]) {}

bool LineBlocks::InputReady() const {
  pollfd input{fd_, POLLIN, 0};
  return poll(&input, 1, 0) != 0;  // an error too: the read will say what it is
}

void LineBlocks::Take(std::string_view bytes) {
  // The byte-order mark an editor may put before the first line is no part of it.
  if (!started_ && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  started_ = true;
  if (dropping_) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return;
    bytes.remove_prefix(end);
    dropping_ = false;
  }
  const std::size_t old_size = pending_.size();
  pending_ += bytes;
  if (const std::size_t last = bytes.rfind('\n'); last != std::string_view::npos) line_start_ = old_size + last + 1;
  if (pending_.size() - line_start_ > max_line_bytes_ + 1) {
    pending_.resize(line_start_ + max_line_bytes_ + 1);
    dropping_ = true;
  }
}

bool LineBlocks::Next(std::string& block) {
  for (;;) {
    const bool has_line = line_start_ > 0;
    if (ended_ || (has_line && pending_.size() >= kBlockBytes)) break;
    // Rows for what has come so far go out before waiting for more.
    if (!InputReady()) {
      if (has_line) break;
      before_waiting_();
    }
    const ssize_t count = read(fd_, chunk_.get(), kBlockBytes);
    if (count < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {  // a descriptor left non-blocking: wait here
        pollfd input{fd_, POLLIN, 0};
        poll(&input, 1, -1);
        continue;
      }
      throw ValueError{"cannot read " + Echo(name_) + ": " + ErrnoText(errno)};
    }
    if (count == 0) {
      ended_ = true;
      if (line_start_ < pending_.size()) Take("\n");
      break;
    }
    Take(std::string_view(chunk_.get(), static_cast<std::size_t>(count)));
  }
  // Whole lines go; the partial line stays for the next block.
  block.assign(pending_, line_start_);
  std::swap(block, pending_);
  block.resize(line_start_);
  line_start_ = 0;
  return !block.empty();
}

}  // namespace cli
