// SPDX-License-Identifier: MIT
#include "platform/core/whole_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace platform {
namespace {

using Failure = std::optional<WholeFileFailure>;

Failure System(int error) { return WholeFileFailure{WholeFileFailure::Reason::kSystem, error, {}}; }

std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The target of the symbolic link `current`, as a name (relative targets are taken
// from the link's folder); empty with errno set when it cannot be read.
std::string ReadLink(const std::string& current, const struct stat& status) {
  std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
  const ssize_t length = readlink(current.c_str(), target.data(), target.size());
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) >= target.size()) {
    errno = EAGAIN;  // the link changed while it was read
    return {};
  }
  target.resize(static_cast<std::size_t>(length));
  return !target.empty() && target[0] == '/' ? target : Folder(current) + "/" + target;
}

// Follows symbolic links to the name that is finally written; a link to a name not
// yet taken gives that name. Empty with errno set on failure.
std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status;
    if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
    current = ReadLink(current, status);
    if (current.empty()) return {};
  }
  errno = ELOOP;
  return {};
}

bool IsDescriptorNumber(const std::string& name) {
  return !name.empty() && name.size() <= 9 &&
         std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// N when `path`, its links followed, reaches the entry /proc/self/fd/N that stands
// for our own descriptor N (as /dev/stdout and /dev/fd/N do); else -1. Such an entry
// opens the file behind the descriptor afresh, whatever the descriptor allows.
int OwnDescriptorNamed(const std::string& path) {
  struct stat own_folder;
  if (stat("/proc/self/fd", &own_folder) != 0) return -1;
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status;
    if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return -1;
    const std::string name = current.substr(current.rfind('/') + 1);
    struct stat folder;
    if (IsDescriptorNumber(name) && stat(Folder(current).c_str(), &folder) == 0 &&
        folder.st_dev == own_folder.st_dev && folder.st_ino == own_folder.st_ino) {
      return std::stoi(name);
    }
    current = ReadLink(current, status);
    if (current.empty()) return -1;
  }
  return -1;
}

// Whether descriptor `fd` is open and may be written: a standard output that was
// closed may be held by a read-only /dev/null.
bool OpenForWriting(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  return flags != -1 && (flags & O_PATH) == 0 && (flags & O_ACCMODE) != O_RDONLY;
}

Failure WriteIntoSpecialFile(const std::string& target, std::string_view bytes) {
  const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return System(errno);
  const int write_error = WriteAll(fd, bytes);
  const int close_error = close(fd) != 0 ? errno : 0;
  if (write_error) return System(write_error);
  if (close_error) return System(close_error);
  return std::nullopt;
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Holds back Ctrl-C, hangup, quit and SIGTERM for its lifetime: one of them while
// the new file has a name but is not yet in place would leave it behind. They are
// delivered when the holder goes, a few system calls later.
class TerminatingSignalsHeld {
 public:
  TerminatingSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
  }
  ~TerminatingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  TerminatingSignalsHeld(const TerminatingSignalsHeld&) = delete;
  TerminatingSignalsHeld& operator=(const TerminatingSignalsHeld&) = delete;

 private:
  sigset_t before_;
};

// Fills the new file `fd`, gives it the target's owner and mode (or the mode a new
// file gets) and syncs it; returns the errno of the step that failed, or 0.
int FillNewFile(int fd, const struct stat* existing, std::string_view bytes) {
  int error = WriteAll(fd, bytes);
  // Keeps the owner and group of the file replaced where we may; an ordinary user
  // cannot give a file away, and the file is still written then, as theirs. The
  // mode comes after, since a change of owner clears the set-id bits.
  if (!error && existing && fchown(fd, existing->st_uid, existing->st_gid) != 0 && errno != EPERM) error = errno;
  const mode_t mode = existing ? existing->st_mode & 07777 : 0666 & ~CurrentUmask();
  if (!error && fchmod(fd, mode) != 0) error = errno;
  if (!error && fsync(fd) != 0) error = errno;
  return error;
}

// A name in `folder` for the new file that no file has: the prefix and random letters.
std::string NewFileName(const std::string& folder) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned char random[12];
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    for (std::size_t i = 0; i < sizeof random; ++i) random[i] = static_cast<unsigned char>(getpid() >> (i % 4 * 8));
  }
  std::string name = folder + "/" + kNewFilePrefix;
  for (const unsigned char byte : random) name += kLetters[byte % (sizeof kLetters - 1)];
  return name;
}

// A failure to make a file in the target's folder is the folder's doing, and says so.
Failure FolderFailure(const std::string& folder, int error) {
  if (error == EACCES || error == EPERM || error == EROFS) {
    return WholeFileFailure{WholeFileFailure::Reason::kFolderRefuses, error, folder};
  }
  return System(error);
}

void SyncFolder(const std::string& folder) {
  // The rename is durable once the folder is synced; a failure here loses nothing.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

// The new content in a named new file of the folder, renamed over the target: for
// file systems without unnamed files.
Failure ReplaceThroughNamedFile(const std::string& target, const struct stat* existing, std::string_view bytes) {
  const std::string folder = Folder(target);
  std::string temporary = folder + "/" + kNewFilePrefix + "XXXXXX";
  const TerminatingSignalsHeld held;
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return FolderFailure(folder, errno);
  int error = FillNewFile(fd, existing, bytes);
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    return System(error);
  }
  SyncFolder(folder);
  return std::nullopt;
}

// The new content in an unnamed file of the target's folder: until it is named, a
// process killed in the middle leaves nothing behind.
Failure ReplaceAtomically(const std::string& target, const struct stat* existing, std::string_view bytes) {
  const std::string folder = Folder(target);
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) {
    // EOPNOTSUPP: the file system has no unnamed files; EISDIR: the kernel does not
    // know O_TMPFILE and took it for O_DIRECTORY.
    if (errno == EOPNOTSUPP || errno == EISDIR) return ReplaceThroughNamedFile(target, existing, bytes);
    return FolderFailure(folder, errno);
  }
  int error = FillNewFile(fd, existing, bytes);
  if (error) {
    close(fd);
    return System(error);
  }
  const std::string own_entry = "/proc/self/fd/" + std::to_string(fd);
  {
    const TerminatingSignalsHeld held;
    std::string name;
    int link_error = EEXIST;
    for (int attempt = 0; attempt < 100 && link_error == EEXIST; ++attempt) {
      name = NewFileName(folder);
      link_error = linkat(AT_FDCWD, own_entry.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
    }
    if (link_error == 0 && rename(name.c_str(), target.c_str()) != 0) {
      error = errno;
      unlink(name.c_str());
    }
    if (link_error != 0) {
      close(fd);
      // Without /proc (a bare chroot) the unnamed file cannot be named: write it
      // again through a named one.
      if (link_error == ENOENT) return ReplaceThroughNamedFile(target, existing, bytes);
      return System(link_error);
    }
  }
  if (close(fd) != 0 && !error) error = errno;
  if (error) return System(error);
  SyncFolder(folder);
  return std::nullopt;
}

}  // namespace

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

std::optional<WholeFileFailure> WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return WholeFileFailure{WholeFileFailure::Reason::kEmptyName, 0, {}};
  // Our own descriptor by name: written through it, at its offset, never replaced.
  if (const int fd = OwnDescriptorNamed(path); fd >= 0) {
    if (!OpenForWriting(fd)) return System(EBADF);
    if (const int error = WriteAll(fd, bytes); error != 0) return System(error);
    return std::nullopt;
  }
  struct stat status;
  // A FIFO or device is opened by the name given, so that links only the kernel
  // can follow work too.
  if (stat(path.c_str(), &status) == 0 && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))) {
    return WriteIntoSpecialFile(path, bytes);
  }
  const std::string target = ResolveLinks(path);
  if (target.empty()) return System(errno);
  if (stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) return System(errno);
    return ReplaceAtomically(target, nullptr, bytes);
  }
  if (S_ISREG(status.st_mode)) {
    // Replacing needs only the folder's permission; like `cp` and `>`, we also ask
    // for the file's own (which root has).
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return System(errno);
    return ReplaceAtomically(target, &status, bytes);
  }
  if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) return WriteIntoSpecialFile(target, bytes);
  if (S_ISDIR(status.st_mode)) return WholeFileFailure{WholeFileFailure::Reason::kFolder, EISDIR, {}};
  return WholeFileFailure{WholeFileFailure::Reason::kNotAFile, 0, {}};
}

}  // namespace platform
