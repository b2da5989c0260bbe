#include "session/recovery_keeper.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "files/file_io.h"
#include "files/text_encoding.h"
#include "session/recovery_file.h"

namespace tw {
namespace {

// More copies than this at once are not kept apart.
constexpr int kSlots = 100;
// Enough to tell a recovery file from anything else before reading it all.
constexpr size_t kHeadSize = 4096;

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// The file's size and its first bytes, without following a link or waiting
// on a pipe.
struct Head {
  uint64_t size = 0;
  std::string bytes;
};
std::optional<Head> ReadHead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return std::nullopt;
  Head head;
  struct stat info {};
  ssize_t got = -1;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    head.size = static_cast<uint64_t>(info.st_size);
    head.bytes.resize(kHeadSize);
    got = ::read(fd, head.bytes.data(), head.bytes.size());
  }
  ::close(fd);
  if (got < 0)
    return std::nullopt;
  head.bytes.resize(static_cast<size_t>(got));
  return head;
}

bool ReadsAsBoundary(const std::string& path) {
  const std::optional<Head> head = ReadHead(path);
  if (!head || !RecoveryHeadProblem(head->bytes, head->size).empty())
    return false;
  const Result<std::string> bytes = ReadFileBytes(path);
  return bytes && ReadRecoveryBytes(*bytes).ok();
}

std::string LinkRefusedMessage(const std::string& path) {
  return "\"" + Utf8ToCp1252(path) +
         "\" is a symbolic link. Quadrell does not write through it or remove it.";
}

std::string AnotherCopyMessage(const std::string& path) {
  return "Another copy of Quadrell is running. The unsaved work of this copy is kept in \"" +
         Utf8ToCp1252(path) + "\".";
}

std::string Lowered(std::string text) {
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
    text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return text;
}

}  // namespace

std::string CannotKeepMessage(const std::string& folder, int error) {
  const std::string named = "\"" + Utf8ToCp1252(folder) + "\"";
  std::string reason;
  switch (error) {
    case EROFS:
    case EACCES:
    case EPERM:
      reason = "the folder " + named + " is read-only";
      break;
    case ENOSPC:
    case EDQUOT:
      reason = "the disk of the folder " + named + " is full";
      break;
    case ENOTDIR:
      reason = named + " is not a folder";
      break;
    default:
      reason = "the folder " + named + " cannot be written: " +
               Utf8ToCp1252(std::error_code(error, std::generic_category()).message());
  }
  return "Unsaved work cannot be kept safe: " + reason + ".";
}

RecoveryKeeper::RecoveryKeeper(std::string settings_folder, RecoveryDisk& disk)
    : settings_folder_(std::move(settings_folder)),
      folder_(RecoveryFolder(settings_folder_)),
      disk_(disk) {}

RecoveryKeeper::~RecoveryKeeper() {
  writer_.reset();  // finishes what was asked of it before the lock goes
}

RecoveryStart RecoveryKeeper::Start() {
  RecoveryStart start;
  const int made = disk_.MakeFolder(folder_);
  std::vector<std::string> aside;
  for (const RecoveryFileEntry& file : ListRecoveryFiles(folder_))
    Examine(file.path, start, aside);
  if (!aside.empty())
    start.notices.push_back(SetAsideMessage(aside));
  if (made != 0)
    CannotKeep(CannotKeepMessage(folder_, made));
  else
    TakeOwnFile(start);
  return start;
}

// Offers the file, leaves it to the running copy that holds it, or sets it
// aside when it is no boundary.
void RecoveryKeeper::Examine(const std::string& path, RecoveryStart& start,
                             std::vector<std::string>& aside) {
  const std::string lock_path = LockFileOf(path);
  LockAttempt attempt = disk_.Lock(lock_path);
  if (attempt.held_elsewhere) {
    running_copies_.push_back(path);
    return;
  }
  if (attempt.error == ELOOP)
    start.notices.push_back(LinkRefusedMessage(lock_path));
  if (ReadsAsBoundary(path)) {
    start.offers.push_back({path, std::move(attempt.lock)});
    return;
  }
  const std::string unreadable = UnreadableNameOf(path);
  if (disk_.RenameAside(path, unreadable) == 0)
    aside.push_back(unreadable);
}

void RecoveryKeeper::TakeOwnFile(RecoveryStart& start) {
  bool another_copy = false;
  for (int slot = 0; slot < kSlots; ++slot) {
    const std::string path = RecoverySlotFile(folder_, slot);
    const std::string lock_path = LockFileOf(path);
    if (IsSymbolicLink(path)) {
      start.notices.push_back(LinkRefusedMessage(path));
      continue;
    }
    if (Exists(path)) {
      // An offer, a running copy's file, or a thing that is no recovery file.
      another_copy = another_copy || std::find(running_copies_.begin(), running_copies_.end(),
                                               path) != running_copies_.end();
      continue;
    }
    LockAttempt attempt = disk_.Lock(lock_path);
    if (attempt.held_elsewhere) {
      another_copy = true;
      continue;
    }
    if (attempt.error == ELOOP) {
      start.notices.push_back(LinkRefusedMessage(lock_path));
      continue;
    }
    if (attempt.error != 0)
      return CannotKeep(CannotKeepMessage(folder_, attempt.error));
    if (another_copy)
      start.notices.push_back(AnotherCopyMessage(path));
    return Keep(path, std::move(attempt.lock));
  }
  CannotKeep(CannotKeepMessage(folder_, EBUSY));
}

void RecoveryKeeper::Keep(std::string path, FileLock lock) {
  writer_.reset();
  path_ = std::move(path);
  lock_ = std::move(lock);
  writer_ = std::make_unique<RecoveryWriter>(disk_, path_);
  state_ = RecoveryState::Keeping;
}

void RecoveryKeeper::CannotKeep(std::string reason) {
  writer_.reset();
  lock_.Release();
  path_.clear();
  state_ = RecoveryState::CannotKeep;
  if (!warning_)
    warning_ = std::move(reason);
}

void RecoveryKeeper::Discard(RecoveryOffer offer) {
  (void)disk_.Remove(offer.path);
}

void RecoveryKeeper::Adopt(RecoveryOffer offer) {
  // Without its lock the file could be another starting copy's offer too.
  if (!offer.lock.held())
    return CannotKeep(CannotKeepMessage(folder_, EACCES));
  if (writer_)
    writer_->Remove();  // nothing of this copy's own is in it yet
  Keep(std::move(offer.path), std::move(offer.lock));
}

void RecoveryKeeper::Write(RecoverySnapshot snapshot) {
  if (writer_)
    writer_->Write(std::move(snapshot));
}

void RecoveryKeeper::Remove() {
  if (writer_)
    writer_->Remove();
}

void RecoveryKeeper::Wait() {
  if (writer_)
    writer_->Wait();
}

std::optional<std::string> RecoveryKeeper::TakeWarning() {
  if (warned_)
    return std::nullopt;
  if (!warning_ && writer_) {
    if (std::optional<std::string> failure = writer_->TakeFailure())
      warning_ = "Unsaved work cannot be kept safe: " + Lowered(*failure);
  }
  if (!warning_)
    return std::nullopt;
  warned_ = true;
  return warning_;
}

}  // namespace tw
