// SPDX-License-Identifier: MIT
#include "cli/io/output_file.h"

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/standard_output.h"
#include "platform/core/whole_file.h"

namespace cli {
namespace {

std::string Why(const platform::WholeFileFailure& failure) {
  using Reason = platform::WholeFileFailure::Reason;
  switch (failure.reason) {
    case Reason::kEmptyName:
      return "the name is empty";
    case Reason::kFolder:
      return "it is a folder";
    case Reason::kNotAFile:
      return "it is not a regular file, FIFO or character device";
    case Reason::kFolderRefuses:
      // The file itself may be writable: the replacement is made in its folder.
      return "a new file cannot be made in its folder " + Echo(failure.folder) + " (" + ErrnoText(failure.error) +
             "), where the file is replaced whole";
    case Reason::kSystem:
      break;
  }
  return ErrnoText(failure.error);
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view bytes) {
  if (const auto failure = platform::WriteWholeFile(path, bytes)) {
    throw ValueError{"cannot write " + Echo(path) + ": " + Why(*failure)};
  }
}

void DeliverOutput(const std::string& path, std::string_view bytes, CommandOutput& out) {
  if (path == "-") {
    out += bytes;
    return;
  }
  // What the command has already written to standard output goes first, in case
  // `path` names standard output itself.
  out.FlushNow();
  WriteOutputFile(path, bytes);
}

}  // namespace cli
