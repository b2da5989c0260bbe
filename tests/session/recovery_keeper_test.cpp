// Recovery keeping as the next start finds it: what a folder of leftovers,
// links, locks and failing disks leaves offered, kept, set aside or said.
// Nothing here may ever lose a file with work in it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "doubles/golden.h"
#include "formats/project_file.h"
#include "session/recovery_file.h"
#include "session/recovery_keeper.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// The real file system, with a chosen operation failing as a full disk or
// a read-only folder would make it fail.
class FaultyDisk : public RecoveryDisk {
 public:
  int lock_error = 0;
  bool write_fails = false;
  LockAttempt Lock(const std::string& path) override {
    if (lock_error != 0)
      return {FileLock(), false, lock_error};
    return RecoveryDisk::Lock(path);
  }
  Status Write(const std::string& path, std::string_view bytes) override {
    if (write_fails)
      return Error{"The file \"" + path + "\" could not be written: No space left on device."};
    return RecoveryDisk::Write(path, bytes);
  }
};

const std::string kBoundary =
    ":1.1.2\r\n:0,0,LF,Surveyor\r\nNE 10\xB0"
    "00'00'' @100.00LF\r\n";

RecoverySnapshot Snapshot(const std::string& entry) {
  RecoverySnapshot snapshot;
  snapshot.entries.push_back(entry);
  return snapshot;
}

std::vector<std::string> OfferedNames(const RecoveryStart& start) {
  std::vector<std::string> names;
  for (const RecoveryOffer& offer : start.offers)
    names.push_back(fs::path(offer.path).filename().string());
  return names;
}

struct Folder {
  test::ScratchFolder settings;
  std::string recovery = RecoveryFolder(settings.path().string());
  Folder() { fs::create_directories(recovery); }
  std::string File(const std::string& name) const { return recovery + "/" + name; }
};

TEST(RecoveryStart, WhatALeftoverBecomes) {
  const std::string nul(1 << 20, '\0');
  const struct Case {
    const char* what;
    std::function<void(const Folder&)> leave;
    std::vector<std::string> offered;
    std::string own;                // this copy's file
    std::vector<std::string> kept;  // files that must still be there, bytes unchanged
    const char* notice;             // the start of the only notice, "" for none
  } cases[] = {
      {"nothing", [](const Folder&) {}, {}, "recovery.twc", {}, ""},
      {"a crashed copy's boundary",
       [](const Folder& f) { test::WriteBytes(f.File("recovery.twc"), kBoundary); },
       {"recovery.twc"},
       "recovery-2.twc",
       {"recovery.twc"},
       ""},
      // Mended fault: a PID in the lock, reused by any live process, hid the file.
      {"an old lock naming a live process",
       [](const Folder& f) {
         test::WriteBytes(f.File("recovery.lock"), "1\n");
         test::WriteBytes(f.File("recovery.twc"), kBoundary);
       },
       {"recovery.twc"}, "recovery-2.twc", {"recovery.twc"}, ""},
      {"NUL bytes",
       [&](const Folder& f) { test::WriteBytes(f.File("recovery.twc"), nul); },
       {},
       "recovery.twc",
       {"recovery.twc.unreadable"},
       "A recovery file could not be read as a boundary. It was kept as"},
      {"a first line without a colon",
       [](const Folder& f) { test::WriteBytes(f.File("recovery-3.twc"), "NE 10\r\n"); },
       {},
       "recovery.twc",
       {"recovery-3.twc.unreadable"},
       "A recovery file could not"},
      {"an entry that does not read",
       [](const Folder& f) {
         test::WriteBytes(f.File("recovery.twc"), ":1.1.2\r\n:0,0,LF,Surveyor\r\nXX 10\r\n");
       },
       {},
       "recovery.twc",
       {"recovery.twc.unreadable"},
       "A recovery file could not"},
      {"a folder where the file goes",
       [](const Folder& f) { fs::create_directory(f.File("recovery.twc")); },
       {},
       "recovery-2.twc",
       {},
       ""},
      {"a link to a user's project",
       [](const Folder& f) {
         test::WriteBytes(f.File("../project.twc"), kBoundary);
         fs::create_symlink(f.File("../project.twc"), f.File("recovery.twc"));
       },
       {},
       "recovery-2.twc",
       {"recovery.twc", "../project.twc"},
       "\""},
      {"a dangling link",
       [](const Folder& f) { fs::create_symlink("/nowhere/x", f.File("recovery.twc")); },
       {},
       "recovery-2.twc",
       {},
       "\""},
      {"a lock that is a link to a user's file",
       [](const Folder& f) {
         test::WriteBytes(f.File("../notes.txt"), "mine");
         fs::create_symlink(f.File("../notes.txt"), f.File("recovery.lock"));
       },
       {},
       "recovery-2.twc",
       {"../notes.txt"},
       "\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Folder folder;
    c.leave(folder);
    std::vector<std::pair<std::string, std::string>> before;
    for (const std::string& name : c.kept) {
      if (!name.ends_with(".unreadable"))
        before.emplace_back(name, test::ReadBytes(folder.File(name)));
    }
    RecoveryDisk disk;
    RecoveryStart start;
    {
      RecoveryKeeper keeper(folder.settings.path().string(), disk);
      start = keeper.Start();
      EXPECT_EQ(c.offered, OfferedNames(start));
      EXPECT_EQ(folder.File(c.own), keeper.path());
      keeper.Write(
          Snapshot("NE 20\xB0"
                   "00'00'' @1.00LF"));
      keeper.Wait();
      EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
                fs::status(keeper.path()).permissions() & fs::perms::all);
      start.offers.clear();  // dismissed: every offer stays
    }
    EXPECT_EQ(c.notice[0] != '\0', start.notices.size() == 1)
        << testing::PrintToString(start.notices);
    if (!start.notices.empty()) {
      EXPECT_TRUE(start.notices[0].starts_with(c.notice)) << start.notices[0];
    }
    for (const std::string& name : c.kept)
      EXPECT_TRUE(fs::exists(fs::symlink_status(folder.File(name)))) << name;
    for (const auto& [name, bytes] : before)
      EXPECT_EQ(bytes, test::ReadBytes(folder.File(name))) << name;
  }
}

TEST(RecoveryStart, AnswersDecideWhatStays) {
  Folder folder;
  test::WriteBytes(folder.File("recovery.twc"), kBoundary);
  test::WriteBytes(folder.File("recovery-2.twc"), kBoundary);
  fs::last_write_time(folder.File("recovery.twc"),
                      fs::last_write_time(folder.File("recovery-2.twc")) - std::chrono::hours(1));
  RecoveryDisk disk;
  RecoveryKeeper keeper(folder.settings.path().string(), disk);
  RecoveryStart start = keeper.Start();
  ASSERT_EQ((std::vector<std::string>{"recovery-2.twc", "recovery.twc"}), OfferedNames(start));
  keeper.Discard(std::move(start.offers[0]));  // an explicit No: that file only
  EXPECT_FALSE(fs::exists(folder.File("recovery-2.twc")));
  keeper.Adopt(std::move(start.offers[1]));  // opened: kept on in the same file
  EXPECT_EQ(folder.File("recovery.twc"), keeper.path());
  keeper.Write(
      Snapshot("SW 1\xB0"
               "00'00'' @2.00LF"));
  keeper.Wait();
  EXPECT_NE(std::string::npos, test::ReadBytes(folder.File("recovery.twc")).find("SW 1"));
  EXPECT_FALSE(fs::exists(folder.File("recovery-3.twc")));  // the own file it left had nothing
}

// The lock belongs to a process, not to a number in a file: a copy that is
// killed lets it go, and a copy that runs keeps its file from every other.
TEST(RecoveryStart, AKilledCopysWorkIsOfferedAndARunningCopysIsNot) {
  Folder folder;
  int ready[2];
  ASSERT_EQ(0, pipe(ready));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecoveryDisk disk;
    RecoveryKeeper keeper(folder.settings.path().string(), disk);
    (void)keeper.Start();
    keeper.Write(
        Snapshot("NE 10\xB0"
                 "00'00'' @100.00LF"));
    keeper.Wait();
    (void)!write(ready[1], "k", 1);
    pause();  // killed here, as by a crash
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(1, read(ready[0], &byte, 1));
  RecoveryDisk disk;
  {
    RecoveryKeeper second(folder.settings.path().string(), disk);
    const RecoveryStart start = second.Start();
    EXPECT_TRUE(start.offers.empty());
    EXPECT_EQ(folder.File("recovery-2.twc"), second.path());
    ASSERT_EQ(1u, start.notices.size());
    EXPECT_TRUE(start.notices[0].starts_with("Another copy of Quadrell is running."))
        << start.notices[0];
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  RecoveryKeeper third(folder.settings.path().string(), disk);
  const RecoveryStart start = third.Start();
  ASSERT_EQ(std::vector<std::string>{"recovery.twc"}, OfferedNames(start));
  EXPECT_NE(std::string::npos, test::ReadBytes(folder.File("recovery.twc")).find("NE 10"));
}

TEST(RecoveryStart, WorkThatCannotBeKeptSafeIsSaidOnce) {
  const struct Case {
    const char* what;
    int lock_error;
    bool write_fails;
    const char* warning_ends;
  } cases[] = {
      {"read-only folder", EROFS, false, "\" is read-only."},
      {"full disk at the start", ENOSPC, false, "\" is full."},
      {"full disk at a write", 0, true, "could not be written: No space left on device."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Folder folder;
    test::WriteBytes(folder.File("recovery.twc"), kBoundary);
    FaultyDisk disk;
    disk.lock_error = c.lock_error;
    disk.write_fails = c.write_fails;
    RecoveryKeeper keeper(folder.settings.path().string(), disk);
    const RecoveryStart start = keeper.Start();
    // A readable file is offered even where no lock can be taken.
    EXPECT_EQ(std::vector<std::string>{"recovery.twc"}, OfferedNames(start));
    keeper.Write(
        Snapshot("NE 1\xB0"
                 "00'00'' @1.00LF"));
    keeper.Wait();
    const std::optional<std::string> warning = keeper.TakeWarning();
    ASSERT_TRUE(warning);
    EXPECT_TRUE(warning->starts_with("Unsaved work cannot be kept safe: ")) << *warning;
    EXPECT_TRUE(warning->ends_with(c.warning_ends)) << *warning;
    keeper.Write(
        Snapshot("NE 2\xB0"
                 "00'00'' @1.00LF"));
    keeper.Wait();
    EXPECT_FALSE(keeper.TakeWarning());
    EXPECT_EQ(kBoundary, test::ReadBytes(folder.File("recovery.twc")));
  }
}

TEST(RecoveryFile, IsReadAsTheProgramWritesIt) {
  const struct Case {
    std::string bytes;
    uint64_t size;        // as the file system says; 0 for the bytes' own
    const char* problem;  // "" when it reads
  } cases[] = {
      {kBoundary, 0, ""},
      {":1.1.2\r\n:0,0,LF,Point\r\n0 , 0\r\n", 0, ""},
      {"", 0, "it is empty"},
      {"NE 10\xB0"
       "00'00'' @100.00LF\r\n",
       0, "its first line does not start with \":\""},
      {std::string(64, '\0'), 0, "its first line does not start with \":\""},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\nNE 10\xB0"
       "00'00'' @1.00LF\r\n" +
           std::string(9000, '\0'),
       0, "it holds a NUL byte"},
      {":1.1.2\r\n", 0, "line 1 starts with \":\" but there is no line 2"},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\nnorth a bit\r\n", 0, "line 3 cannot be read"},
      {kBoundary, (uint64_t{1} << 30) + 1, "it is larger than 1 GiB"},
  };
  for (const Case& c : cases) {
    const std::string head = c.bytes.substr(0, 4096);
    const std::string quick = RecoveryHeadProblem(head, c.size ? c.size : c.bytes.size());
    const std::string whole = c.size ? quick : [&] {
      const Result<ProjectFile> read = ReadRecoveryBytes(c.bytes);
      return read ? std::string() : read.error();
    }();
    EXPECT_TRUE(whole.starts_with(c.problem)) << c.problem << " / " << whole;
    EXPECT_EQ(std::string(c.problem).empty(), whole.empty()) << whole;
    // The quick look never refuses what the whole read takes.
    if (whole.empty()) {
      EXPECT_EQ("", quick);
    }
  }
}

TEST(RecoveryFolder, HoldsTheProgramsFilesOnly) {
  test::ScratchFolder settings;
  const std::string s = settings.path().string();
  fs::create_directories(RecoveryFolder(s));
  fs::create_directory_symlink(RecoveryFolder(s), settings.File("shortcut"));
  const struct Case {
    std::string path;
    bool own;
  } cases[] = {
      {s + "/recovery/recovery.twc", true},
      {s + "/recovery/./mine.twc", true},
      {s + "/x/../recovery/recovery-2.twc", true},
      {s + "/shortcut/recovery.twc", true},
      {s + "/recovery.twc", false},
      {s + "/recovery/sub/a.twc", false},
      {"/tmp/recovery.twc", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.own, IsInRecoveryFolder(c.path, s)) << c.path;
  EXPECT_EQ(s + "/recovery/recovery-2.lock", LockFileOf(RecoverySlotFile(RecoveryFolder(s), 1)));
}

}  // namespace
}  // namespace tw
