// SPDX-License-Identifier: MIT
#include "cli/io/standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <locale.h>
#include <string.h>

#include <cerrno>
#include <csignal>

#include "cli/io/errors.h"
#include "platform/core/whole_file.h"

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

bool WriteStandardOutput(std::string_view bytes) {
  const int error = platform::WriteAll(STDOUT_FILENO, bytes);
  errno = error;
  return error == 0;
}

std::string WriteErrorMessage(int error) {
  return error == EPIPE ? std::string() : std::string("orvalin-cli: write error: ") + ErrnoText(error) + "\n";
}

void WriteStandardStreams(std::string_view out, std::string_view err) {
  if (const int error = platform::WriteAll(STDOUT_FILENO, out); error != 0) throw WriteError{error};
  platform::WriteAll(STDERR_FILENO, err);
}

}  // namespace cli
