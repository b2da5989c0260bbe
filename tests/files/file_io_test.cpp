#include "files/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "doubles/golden.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

size_t FilesIn(const std::filesystem::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
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

TEST(WriteFileAtomically, ReplacesOnlyWhenEverythingWasWritten) {
  ScratchFolder folder;
  const std::string path = folder.File("a.twc");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_TRUE(WriteFileAtomically(path, "previous"));
  EXPECT_EQ("previous", ReadBytes(path));
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

TEST(WriteFileAtomically, NamesTheFileAndTheReason) {
  ScratchFolder folder;
  WriteBytes(folder.File("plain"), "");
  const std::string inside_a_file = folder.File("plain") + "/a.twc";
  const Status written = WriteFileAtomically(inside_a_file, "x");
  ASSERT_FALSE(written);
  EXPECT_EQ("The file \"" + inside_a_file + "\" could not be written: Not a directory.",
            written.error());

  std::filesystem::create_directory(folder.File("folder.twc"));
  const Status over_folder = WriteFileAtomically(folder.File("folder.twc"), "x");
  ASSERT_FALSE(over_folder);
  EXPECT_EQ(2u, FilesIn(folder.path()));
}

TEST(ReadFileBytes, ReadsEveryByteOrNamesTheFile) {
  ScratchFolder folder;
  const std::string bytes("a\0\xB0\r\n", 5);
  WriteBytes(folder.File("a"), bytes);
  const Result<std::string> read = ReadFileBytes(folder.File("a"));
  ASSERT_TRUE(read);
  EXPECT_EQ(bytes, *read);

  const Result<std::string> missing = ReadFileBytes(folder.File("missing"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(
      "The file \"" + folder.File("missing") + "\" could not be read: No such file or directory.",
      missing.error());
}

}  // namespace
}  // namespace tw
