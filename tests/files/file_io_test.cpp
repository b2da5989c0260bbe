#include "files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "doubles/golden.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

size_t FilesIn(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder))
    ++n;
  return n;
}

// Makes every write beyond a few bytes fail with "File too large", the way a
// full disk fails half-way through a file.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit previous_{};
  void (*previous_handler_)(int) = nullptr;
};

fs::perms Permissions(const std::string& path) {
  return fs::status(path).permissions();
}

TEST(WriteFileAtomically, ReplacesOnlyWhenEverythingWasWrittenKeepingPermissions) {
  ScratchFolder folder;
  const std::string path = folder.File("a.twc");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
  ASSERT_TRUE(WriteFileAtomically(path, "previous"));
  EXPECT_EQ("previous", ReadBytes(path));
  EXPECT_EQ(fs::perms(0640), Permissions(path));
  Status written = Ok();
  {
    FileSizeLimit limit(16);
    written = WriteFileAtomically(path, std::string(1000, 'x'));
  }
  ASSERT_FALSE(written);
  EXPECT_EQ("The file \"" + path + "\" could not be written: File too large.", written.error());
  EXPECT_EQ("previous", ReadBytes(path));
  EXPECT_EQ(1u, FilesIn(folder.path())) << "the temporary file is left behind";
}

TEST(WriteFileAtomically, NamesTheFileAndTheReasonAndLeavesNothingBehind) {
  ScratchFolder folder;
  WriteBytes(folder.File("plain"), "");
  const std::string inside_a_file = folder.File("plain") + "/a.twc";
  const Status written = WriteFileAtomically(inside_a_file, "x");
  ASSERT_FALSE(written);
  EXPECT_EQ("The file \"" + inside_a_file + "\" could not be written: Not a directory.",
            written.error());

  // Fails at the rename, once the temporary file has a name.
  fs::create_directory(folder.File("folder.twc"));
  EXPECT_FALSE(WriteFileAtomically(folder.File("folder.twc"), "x"));
  EXPECT_EQ(2u, FilesIn(folder.path()));
}

// Mended fault: the atomic writer replaced a symlinked target with a regular file.
TEST(WriteFileAtomically, ReplacesTheFileAtTheEndOfALinkChainKeepingTheLinks) {
  ScratchFolder folder;
  fs::create_directory(folder.File("real"));
  const std::string target = folder.File("real/a.twc");
  WriteBytes(target, "old");
  ASSERT_EQ(0, ::chmod(target.c_str(), 0604));
  fs::create_symlink("real/a.twc", folder.File("link"));  // relative to the link's folder
  fs::create_symlink(folder.File("link"), folder.File("chain"));
  for (const char* name : {"link", "chain"}) {
    ASSERT_TRUE(WriteFileAtomically(folder.File(name), name)) << name;
    EXPECT_TRUE(fs::is_symlink(folder.File(name))) << name;
    EXPECT_EQ(name, ReadBytes(target));
    EXPECT_EQ(fs::perms(0604), Permissions(target));
  }
  EXPECT_EQ(1u, FilesIn(folder.File("real")));

  fs::create_symlink("missing/b.twc", folder.File("dangling"));
  const Status dangling = WriteFileAtomically(folder.File("dangling"), "x");
  ASSERT_FALSE(dangling);
  EXPECT_EQ("The file \"" + folder.File("dangling") +
                "\" could not be written: No such file or directory.",
            dangling.error());
  EXPECT_EQ(4u, FilesIn(folder.path()));
}

// Mended fault: a valid 250-byte file name failed because the temporary name was longer.
TEST(WriteFileAtomically, ALongestNameIsWritten) {
  ScratchFolder folder;
  const std::string path = folder.File(std::string(250, 'n'));
  ASSERT_TRUE(WriteFileAtomically(path, "x"));
  EXPECT_EQ("x", ReadBytes(path));
}

// Mended fault: reading a FIFO hung and /dev/zero grew memory until the process aborted.
TEST(ReadFileBytes, ReadsARegularFileOfAtMost1GiBOrNamesTheFile) {
  ScratchFolder folder;
  const std::string bytes("a\0\xB0\r\n", 5);
  WriteBytes(folder.File("a"), bytes);
  const Result<std::string> read = ReadFileBytes(folder.File("a"));
  ASSERT_TRUE(read);
  EXPECT_EQ(bytes, *read);

  ASSERT_EQ(0, ::mkfifo(folder.File("fifo").c_str(), 0600));
  const int sparse = ::open(folder.File("huge").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_EQ(0, ::ftruncate(sparse, (off_t{1} << 30) + 1));
  ::close(sparse);
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {folder.File("missing"), "No such file or directory"},
      {folder.File("fifo"), "it is not a regular file"},
      {"/dev/zero", "it is not a regular file"},
      {folder.path().string(), "it is not a regular file"},
      {folder.File("huge"), "it is larger than 1 GiB"},
  };
  for (const Case& c : cases) {
    const Result<std::string> refused = ReadFileBytes(c.path);
    ASSERT_FALSE(refused) << c.path;
    EXPECT_EQ("The file \"" + c.path + "\" could not be read: " + c.reason + ".", refused.error());
  }
}

// Mended faults: the recovery file was written through a planted link (into a
// user's project) and took the mode of an unreadable old file.
TEST(WriteFileAtomically, TheProgramsOwnFileIsPrivateAndNeverWrittenThroughALink) {
  ScratchFolder folder;
  const std::string own = folder.File("recovery.twc");
  WriteBytes(own, "old");
  ASSERT_EQ(0, ::chmod(own.c_str(), 0));
  ASSERT_TRUE(WriteFileAtomically(own, "new", FileOwner::Program));
  EXPECT_EQ(fs::perms(0600), Permissions(own));
  EXPECT_EQ("new", ReadBytes(own));

  WriteBytes(folder.File("project.twc"), "the user's");
  for (const std::string& target : {folder.File("project.twc"), std::string("/nowhere/x")}) {
    const std::string link = folder.File("link.twc");
    fs::remove(link);
    fs::create_symlink(target, link);
    const Status written = WriteFileAtomically(link, "recovered", FileOwner::Program);
    ASSERT_FALSE(written) << target;
    EXPECT_EQ("The file \"" + link +
                  "\" could not be written: it is a symbolic link, which is not followed.",
              written.error());
    EXPECT_TRUE(fs::is_symlink(link));
  }
  EXPECT_EQ("the user's", ReadBytes(folder.File("project.twc")));
}

}  // namespace
}  // namespace tw
