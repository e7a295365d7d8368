// SPDX-License-Identifier: MIT
#include "platform/core/whole_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using Reason = platform::WholeFileFailure::Reason;

class WholeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "whole-file-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  // Nothing but the names given: no new file left beside them.
  void ExpectOnly(std::initializer_list<std::string> names) const {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      ++count;
      EXPECT_NE(entry.path().filename().string().rfind(platform::kNewFilePrefix, 0), 0u) << entry.path();
    }
    EXPECT_EQ(count, names.size());
  }

  fs::path folder_;
};

TEST_F(WholeFile, ReplacesTheContentKeepingTheModeAndLeavesNoOtherFile) {
  Write(Path("kept.txt"), "old content, longer than the new");
  ASSERT_EQ(chmod(Path("kept.txt").c_str(), 0640), 0);
  EXPECT_FALSE(platform::WriteWholeFile(Path("kept.txt"), "new"));
  EXPECT_EQ(Read(Path("kept.txt")), "new");
  struct stat status;
  ASSERT_EQ(stat(Path("kept.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  ExpectOnly({"kept.txt"});
}

TEST_F(WholeFile, ANewFileTakesTheModeTheUmaskAllows) {
  const mode_t before = umask(027);
  EXPECT_FALSE(platform::WriteWholeFile(Path("new.bin"), std::string("\0\x01\xff", 3)));
  umask(before);
  EXPECT_EQ(Read(Path("new.bin")), std::string("\0\x01\xff", 3));
  struct stat status;
  ASSERT_EQ(stat(Path("new.bin").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(WholeFile, ALinkIsFollowedAndStaysALink) {
  Write(Path("target.txt"), "old");
  fs::create_symlink("target.txt", Path("link.txt"));
  fs::create_symlink("not-yet.txt", Path("dangling.txt"));
  EXPECT_FALSE(platform::WriteWholeFile(Path("link.txt"), "through the link"));
  EXPECT_FALSE(platform::WriteWholeFile(Path("dangling.txt"), "made"));
  EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
  EXPECT_EQ(Read(Path("target.txt")), "through the link");
  EXPECT_EQ(Read(Path("not-yet.txt")), "made");
  ExpectOnly({"target.txt", "link.txt", "dangling.txt", "not-yet.txt"});
}

TEST_F(WholeFile, WhatCannotBeAFileIsRefusedWithItsReason) {
  fs::create_directory(Path("folder"));
  const struct {
    std::string path;
    Reason reason;
    int error;
  } kCases[] = {
      {"", Reason::kEmptyName, 0},
      {Path("folder"), Reason::kFolder, EISDIR},
      {Path("no-such-folder/x.png"), Reason::kSystem, ENOENT},
  };
  for (const auto& c : kCases) {
    const auto failure = platform::WriteWholeFile(c.path, "bytes");
    ASSERT_TRUE(failure) << c.path;
    EXPECT_EQ(failure->reason, c.reason) << c.path;
    EXPECT_EQ(failure->error, c.error) << c.path;
  }
  EXPECT_TRUE(fs::is_empty(Path("folder")));
}

// A name of one of our descriptors is written through it where it stands, as the
// shell's `>>` and `>` left it, never replaced.
TEST_F(WholeFile, OurOwnDescriptorIsWrittenThroughAtItsOffset) {
  Write(Path("appended.txt"), "OLD\n");
  const int append = open(Path("appended.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  const int at_start = open(Path("overwritten.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int read_only = open(Path("appended.txt").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(append, 0);
  ASSERT_GE(at_start, 0);
  ASSERT_GE(read_only, 0);
  ASSERT_EQ(write(at_start, "H\n", 2), 2);
  EXPECT_FALSE(platform::WriteWholeFile("/dev/fd/" + std::to_string(append), "NEW\n"));
  EXPECT_FALSE(platform::WriteWholeFile("/proc/self/fd/" + std::to_string(at_start), "SVG\n"));
  ASSERT_EQ(write(at_start, "F\n", 2), 2);
  const auto refused = platform::WriteWholeFile("/dev/fd/" + std::to_string(read_only), "lost?");
  close(append);
  close(at_start);
  close(read_only);
  EXPECT_EQ(Read(Path("appended.txt")), "OLD\nNEW\n");
  EXPECT_EQ(Read(Path("overwritten.txt")), "H\nSVG\nF\n");
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->error, EBADF);
  ExpectOnly({"appended.txt", "overwritten.txt"});
}

// As an ordinary user a file in a folder that refuses new files cannot be
// replaced, writable as the file is: the folder is named as the reason.
TEST_F(WholeFile, AFolderThatRefusesNewFilesIsNamed) {
  if (geteuid() == 0) GTEST_SKIP() << "root may make files in any folder";
  fs::create_directory(Path("locked"));
  Write(Path("locked/open.txt"), "old");
  ASSERT_EQ(chmod(Path("locked/open.txt").c_str(), 0666), 0);
  ASSERT_EQ(chmod(Path("locked").c_str(), 0555), 0);
  const auto failure = platform::WriteWholeFile(Path("locked/open.txt"), "new");
  chmod(Path("locked").c_str(), 0755);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->reason, Reason::kFolderRefuses);
  EXPECT_EQ(failure->folder, Path("locked"));
  EXPECT_EQ(Read(Path("locked/open.txt")), "old");
}

}  // namespace
