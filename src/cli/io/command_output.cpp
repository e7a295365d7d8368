// SPDX-License-Identifier: MIT
#include "cli/io/command_output.h"

namespace cli {

CommandOutput& CommandOutput::operator+=(std::string_view bytes) {
  if (!flush_ || out_.size() + bytes.size() < kFlushBytes) {
    out_ += bytes;
    return *this;
  }
  // A large piece goes on as it is, after what was gathered before it.
  if (bytes.size() >= kFlushBytes) {
    FlushNow();
    flush_(bytes, {});
    return *this;
  }
  out_ += bytes;
  FlushNow();
  return *this;
}

void CommandOutput::Complain(std::string_view message) {
  complained_ = true;
  err_ += "orvalin-cli: ";
  err_ += message;
  err_ += '\n';
  if (flush_ && err_.size() >= kFlushBytes) FlushNow();
}

void CommandOutput::Note(std::string_view message) {
  err_ += "orvalin-cli: ";
  err_ += message;
  err_ += '\n';
  if (flush_ && err_.size() >= kFlushBytes) FlushNow();
}

void CommandOutput::FlushNow() {
  if (!flush_ || (out_.empty() && err_.empty())) return;
  // Emptied whether or not the flush throws, keeping the buffers' capacity.
  struct Clear {
    CommandOutput& output;
    ~Clear() {
      output.out_.clear();
      output.err_.clear();
    }
  } clear{*this};
  flush_(out_, err_);
}

}  // namespace cli
