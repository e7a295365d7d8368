// SPDX-License-Identifier: MIT
#include "cli/standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace cli {

void GuardStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int opened = open("/dev/null", O_RDONLY);  // takes the lowest free number: `fd`
    if (opened >= 0 && opened != fd) close(opened);
  }
}

bool WriteStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace cli
