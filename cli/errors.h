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

}  // namespace cli
