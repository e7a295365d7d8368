// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace cli {

enum ExitStatus : int { kOk = 0, kValueError = 1, kUsageError = 2 };

// The command line was not understood (exit status 2). `message` is one line,
// without the program name.
struct UsageError {
  std::string message;
};

// A value could not be used or an output could not be written (exit status 1).
struct ValueError {
  std::string message;
};

// Standard output could not be written while a command ran (exit status 1);
// `number` is the errno. EPIPE, a reader that stopped early, is not complained of.
struct WriteError {
  int number;
};

}  // namespace cli
