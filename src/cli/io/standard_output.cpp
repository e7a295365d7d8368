// SPDX-License-Identifier: MIT
#include "cli/io/standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <locale.h>
#include <string.h>

#include <cerrno>
#include <csignal>

#include "cli/io/errors.h"

namespace cli {

void GuardStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Takes the lowest free number: `fd`.
    const int opened = open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != fd) close(opened);
  }
}

std::string ErrnoText(int error) {
  // Qt's application object sets the locale from the environment, and strerror()
  // would then answer in the user's language in the middle of an English line.
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c_locale ? strerror_l(error, c_locale) : strerror(error);
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

bool WriteStandardOutput(std::string_view bytes) {
  const int error = WriteAll(STDOUT_FILENO, bytes);
  errno = error;
  return error == 0;
}

std::string WriteErrorMessage(int error) {
  return error == EPIPE ? std::string() : std::string("orvalin-cli: write error: ") + ErrnoText(error) + "\n";
}

void WriteStandardStreams(std::string_view out, std::string_view err) {
  if (const int error = WriteAll(STDOUT_FILENO, out); error != 0) throw WriteError{error};
  WriteAll(STDERR_FILENO, err);
}

}  // namespace cli
