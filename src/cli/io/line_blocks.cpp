// SPDX-License-Identifier: MIT
#include "cli/io/line_blocks.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/standard_output.h"

namespace cli {
namespace {

// The byte-order mark an editor may put before the first line; no part of it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineBlocks::Source LineBlocks::DescriptorSource(int fd) {
  // A pipe holds 64 KiB unless asked for more: a writer that may run a megabyte
  // ahead (cat FILE | ...) is switched with far less often. A larger pipe stays as
  // it is, and so does one the system will not grow.
  constexpr int kPipeBytes = 1 << 20;
  if (struct stat status; fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode) && fcntl(fd, F_GETPIPE_SZ) < kPipeBytes) {
    fcntl(fd, F_SETPIPE_SZ, kPipeBytes);
  }
  return {[fd](char* buffer, std::size_t size) -> ssize_t {
            for (;;) {
              const ssize_t count = read(fd, buffer, size);
              if (count >= 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) return count;
              pollfd input{fd, POLLIN, 0};  // a descriptor left non-blocking: wait here
              poll(&input, 1, -1);
            }
          },
          [fd] {
            pollfd input{fd, POLLIN, 0};
            return poll(&input, 1, 0) != 0;  // an error too: the read will say what it is
          }};
}

LineBlocks::LineBlocks(Source source, std::string name, std::size_t max_line_bytes,
                       std::function<void()> before_waiting)
    : source_(std::move(source)),
      name_(std::move(name)),
      max_line_bytes_(max_line_bytes),
      before_waiting_(std::move(before_waiting)),
      chunk_(new char[kBlockBytes]) {}

void LineBlocks::Take(std::string_view bytes) {
  if (!started_) {
    // A read may end inside the mark: its first bytes are held until the rest comes.
    while (!bytes.empty() && mark_bytes_ < kByteOrderMark.size() && bytes[0] == kByteOrderMark[mark_bytes_]) {
      ++mark_bytes_;
      bytes.remove_prefix(1);
    }
    const bool whole_mark = mark_bytes_ == kByteOrderMark.size();
    if (!whole_mark && bytes.empty()) return;
    started_ = true;
    if (!whole_mark) Append(kByteOrderMark.substr(0, mark_bytes_));  // the start of a mark only: text
  }
  Append(bytes);
}

void LineBlocks::Append(std::string_view bytes) {
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

void LineBlocks::End() {
  ended_ = true;
  if (!started_) {
    started_ = true;
    Append(kByteOrderMark.substr(0, mark_bytes_));
  }
  if (line_start_ < pending_.size()) Append("\n");
}

bool LineBlocks::Next(std::string& block) {
  for (;;) {
    const bool has_line = line_start_ > 0;
    if (ended_ || read_error_ != 0 || (has_line && pending_.size() >= kBlockBytes)) break;
    // Rows for what has come so far go out before waiting for more.
    if (!source_.ready()) {
      if (has_line) break;
      before_waiting_();
    }
    const ssize_t count = source_.read(chunk_.get(), kBlockBytes);
    if (count < 0) {
      if (errno == EINTR) continue;
      read_error_ = errno != 0 ? errno : EIO;
      break;
    }
    if (count == 0) {
      End();
      break;
    }
    Take(std::string_view(chunk_.get(), static_cast<std::size_t>(count)));
  }
  // The lines read whole before a failed read go first; the failure is reported after them.
  if (read_error_ != 0 && line_start_ == 0) {
    throw ValueError{"cannot read " + Echo(name_) + ": " + ErrnoText(read_error_)};
  }
  // Whole lines go; the partial line stays for the next block.
  block.assign(pending_, line_start_);
  std::swap(block, pending_);
  block.resize(line_start_);
  line_start_ = 0;
  return !block.empty();
}

}  // namespace cli
