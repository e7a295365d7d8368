// SPDX-License-Identifier: MIT
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/standard_output.h"

namespace cli {

// The file a --from option names, open for reading ("-" is standard input), closed
// at the end unless it is standard input. Throws ValueError when it cannot be opened:
// "cannot read 'x.txt': No such file or directory".
class InputFile {
 public:
  explicit InputFile(const std::string& path)
      : fd_(path == "-" ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw ValueError{"cannot read " + Echo(path) + ": " + ErrnoText(errno)};
  }
  ~InputFile() {
    if (fd_ != STDIN_FILENO) close(fd_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace cli
