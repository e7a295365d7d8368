// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace cli {

// What a command writes: bytes for standard output, and complaints about parts of
// its input that it skipped and went on without (one line each for standard error;
// any complaint makes the exit status 1). Both are kept until the command ends,
// unless a flush was given: then they are handed to it whenever 64 KiB have
// gathered, so that a command with unbounded input needs constant memory.
class CommandOutput {
 public:
  // Writes the bytes gathered for standard output, then those for standard error.
  // Throws WriteError when standard output cannot be written.
  using Flush = std::function<void(std::string_view out, std::string_view err)>;

  static constexpr std::size_t kFlushBytes = 64 * 1024;

  explicit CommandOutput(Flush flush = {}) : flush_(std::move(flush)) {}

  CommandOutput& operator+=(std::string_view bytes);
  CommandOutput& operator+=(char byte) { return *this += std::string_view(&byte, 1); }

  // One complaint, without the program's name or a line end: "line 3: MONTH '13' is
  // not a month 1..12".
  void Complain(std::string_view message);
  bool complained() const { return complained_; }

  // One line for standard error that tells of something the output leaves out,
  // without a complaint: the exit status stays 0.
  void Note(std::string_view message);

  // Hands everything gathered to the flush now (before waiting for more input, so a
  // reader at the other end of a pipe sees the rows of the lines it sent).
  void FlushNow();

  // What was not flushed; empties the buffers.
  std::string TakeOut() { return std::exchange(out_, {}); }
  std::string TakeErr() { return std::exchange(err_, {}); }

 private:
  Flush flush_;
  std::string out_;
  std::string err_;
  bool complained_ = false;
};

}  // namespace cli
