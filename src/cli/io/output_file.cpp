// SPDX-License-Identifier: MIT
#include "cli/io/output_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/standard_output.h"

namespace cli {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& why) {
  throw ValueError{"cannot write " + Echo(path) + ": " + why};
}

[[noreturn]] void FailErrno(const std::string& path, int error) { Fail(path, ErrnoText(error)); }

std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The target of the symbolic link `current`, as a name (relative targets are taken
// from the link's folder).
std::string ReadLink(const std::string& path, const std::string& current, const struct stat& status) {
  std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
  const ssize_t length = readlink(current.c_str(), target.data(), target.size());
  if (length < 0) FailErrno(path, errno);
  if (static_cast<std::size_t>(length) >= target.size()) Fail(path, "the link changed while it was read");
  target.resize(static_cast<std::size_t>(length));
  return !target.empty() && target[0] == '/' ? target : Folder(current) + "/" + target;
}

// Follows symbolic links to the name that is finally written; a link to a name not
// yet taken gives that name.
std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status;
    if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
    current = ReadLink(path, current, status);
  }
  FailErrno(path, ELOOP);
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
    current = ReadLink(path, current, status);
  }
  return -1;
}

// Whether descriptor `fd` is open and may be written: a standard output that was
// closed is held by a read-only /dev/null (GuardStandardDescriptors).
bool OpenForWriting(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  return flags != -1 && (flags & O_PATH) == 0 && (flags & O_ACCMODE) != O_RDONLY;
}

void WriteIntoSpecialFile(const std::string& path, const std::string& target, std::string_view bytes) {
  const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) FailErrno(path, errno);
  const int write_error = WriteAll(fd, bytes);
  const int close_error = close(fd) != 0 ? errno : 0;
  if (write_error) FailErrno(path, write_error);
  if (close_error) FailErrno(path, close_error);
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Holds back Ctrl-C, hangup, quit and kill (SIGTERM) for its lifetime: one of them
// between creating the new file and renaming or removing it would leave the file
// behind. It is delivered when the holder goes; writing a chart takes milliseconds.
// (The command line starts no threads that could take the signal instead.)
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

// A new file in the target's folder, filled, given the mode and owner, synced and
// renamed over the target; `existing` is the target's status, or null.
void ReplaceAtomically(const std::string& path, const std::string& target, const struct stat* existing,
                       std::string_view bytes) {
  std::string temporary = Folder(target) + "/.orvalin-cli-XXXXXX";
  const TerminatingSignalsHeld held;
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) FailErrno(path, errno);
  int error = WriteAll(fd, bytes);
  // Keeps the owner and group of the file replaced where we may; an ordinary user
  // cannot give a file away, and the file is still written then, as theirs. The
  // mode comes after, since a change of owner clears the set-id bits.
  if (!error && existing && fchown(fd, existing->st_uid, existing->st_gid) != 0 && errno != EPERM) error = errno;
  const mode_t mode = existing ? existing->st_mode & 07777 : 0666 & ~CurrentUmask();
  if (!error && fchmod(fd, mode) != 0) error = errno;
  if (!error && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    FailErrno(path, error);
  }
  // The rename is durable once the folder is synced; a failure here loses nothing.
  const int folder = open(Folder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) Fail(path, "the name is empty");
  // A name of one of our own descriptors (/dev/stdout, /dev/fd/1, /proc/self/fd/1)
  // is written through that descriptor, at its offset, as `cat > /dev/stdout` does.
  // Resolved to the file behind it and replaced, it would destroy what the shell's
  // `>` or `>>` had written there before us, and what comes after would go to a
  // deleted file. A closed standard output is held by a read-only /dev/null: refused,
  // rather than losing the image without a word.
  if (const int fd = OwnDescriptorNamed(path); fd >= 0) {
    if (!OpenForWriting(fd)) FailErrno(path, EBADF);
    if (const int error = WriteAll(fd, bytes); error != 0) FailErrno(path, error);
    return;
  }
  struct stat status;
  // A FIFO or device is opened by the name given, so that links only the kernel
  // can follow (/dev/stdout to a pipe) work too.
  if (stat(path.c_str(), &status) == 0 && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))) {
    WriteIntoSpecialFile(path, path, bytes);
    return;
  }
  const std::string target = ResolveLinks(path);
  if (stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) FailErrno(path, errno);
    ReplaceAtomically(path, target, nullptr, bytes);
  } else if (S_ISREG(status.st_mode)) {
    // Replacing needs only the folder's permission; like `cp` and `>`, we also ask
    // for the file's own (which root has).
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) FailErrno(path, errno);
    ReplaceAtomically(path, target, &status, bytes);
  } else if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
    WriteIntoSpecialFile(path, target, bytes);
  } else if (S_ISDIR(status.st_mode)) {
    Fail(path, "it is a folder");
  } else {
    Fail(path, "it is not a regular file, FIFO or character device");
  }
}

void DeliverOutput(const std::string& path, std::string_view bytes, CommandOutput& out) {
  if (path == "-") {
    out += bytes;
    return;
  }
  // Whatever the command has already written to standard output goes first, in case
  // `path` names standard output itself.
  out.FlushNow();
  WriteOutputFile(path, bytes);
}

}  // namespace cli
