// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writing a whole file: the one writer of the command line's outputs and the
// windows' saves. No Qt.
namespace platform {

// Why a whole file could not be written.
struct WholeFileFailure {
  enum class Reason {
    kEmptyName,      // the name is empty
    kFolder,         // the name is a folder
    kNotAFile,       // a socket, a block device or the like
    kFolderRefuses,  // the file's folder does not let a new file be made in it (`error` says why)
    kSystem,         // the step failed with `error`
  };
  Reason reason;
  int error = 0;       // errno where there is one, else 0
  std::string folder;  // kFolderRefuses: the folder, as named
};

// Writes `bytes` (as given, not necessarily text) as the whole content of the file
// named `path`, or changes nothing. A symbolic link is followed and what it names
// is written, the link staying a link.
//  - A name of one of our own descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N)
//    is written through that descriptor at its offset (at the end when it was
//    opened to append), as `cat > /dev/stdout` does: never replaced, so what the
//    shell wrote there before and after stays. One that is closed or open only for
//    reading is refused (EBADF).
//  - A FIFO or character device (a named pipe, /dev/null) is written into as it is.
//  - A regular file the caller may not write is refused, as `cp` refuses it, even
//    where its folder would allow a replacement (root may).
//  - A regular file, or a name not yet taken, is replaced atomically: the bytes go
//    to an unnamed file in the target's folder (O_TMPFILE), which takes the old
//    file's mode and owner and is synced, then is given a name and renamed over
//    the target. A process killed while writing, even by SIGKILL, leaves nothing;
//    Ctrl-C, hang-up, quit and SIGTERM are held for the two calls between naming
//    and renaming. Where the folder's file system has no unnamed files, a named
//    new file takes their place, removed on any failure, the same signals held
//    from its creation to the rename.
//  - Anything else (a folder, a socket, a block device) is refused.
std::optional<WholeFileFailure> WriteWholeFile(const std::string& path, std::string_view bytes);

// Writes all of `bytes` to `fd`, going on after a short write or an interruption.
// Returns 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes);

// The prefix of the new file's name while it is being put in place.
inline constexpr char kNewFilePrefix[] = ".orvalin-";

}  // namespace platform
