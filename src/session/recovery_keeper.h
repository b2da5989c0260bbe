// Recovery keeping: which recovery file this copy writes, which files of
// copies that ended it offers, and whether unsaved work can be kept safe at
// all. It must never lose work, so it deletes a recovery file only when the
// user said No to that very file, or when the work in its own file was saved
// or thrown away on purpose.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/recovery.h"
#include "session/recovery_disk.h"

namespace tw {

enum class RecoveryState {
  NotStarted,  // Start has not run
  Keeping,     // holds a file of its own and writes the unsaved work there
  CannotKeep,  // unsaved work is not kept safe; the user is told why once
};

// A recovery file left by a copy that ended, locked while it is offered so
// that a copy starting at the same moment does not offer it too.
struct RecoveryOffer {
  std::string path;
  FileLock lock;  // not held where the folder would not let it be taken
};

struct RecoveryStart {
  std::vector<RecoveryOffer> offers;  // newest first, one question each
  // Each a message to show once, before the questions (files set aside,
  // links refused, this copy's own file).
  std::vector<std::string> notices;
};

class RecoveryKeeper {
 public:
  RecoveryKeeper(std::string settings_folder, RecoveryDisk& disk);
  ~RecoveryKeeper();  // finishes every write asked for
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  // Takes a file of this copy's own and finds what to offer. A file that is
  // no boundary is renamed aside, never offered and never deleted.
  RecoveryStart Start();
  // An explicit No: the offered file and its work go.
  void Discard(RecoveryOffer offer);
  // The offered file was opened: its work is this copy's now and is kept in
  // that same file. (An offer dropped unanswered stays for the next start.)
  void Adopt(RecoveryOffer offer);

  RecoveryState state() const { return state_; }
  // The file this copy writes; empty unless keeping.
  const std::string& path() const { return path_; }

  // Asks the worker to write the snapshot or to remove this copy's file.
  void Write(RecoverySnapshot snapshot);
  void Remove();
  void Wait();
  // Why unsaved work is not kept safe, the first time only; nothing after.
  std::optional<std::string> TakeWarning();

 private:
  void TakeOwnFile(RecoveryStart& start);
  void Examine(const std::string& path, RecoveryStart& start, std::vector<std::string>& aside);
  void Keep(std::string path, FileLock lock);
  void CannotKeep(std::string reason);

  std::string settings_folder_;
  std::string folder_;
  RecoveryDisk& disk_;
  RecoveryState state_ = RecoveryState::NotStarted;
  std::string path_;
  FileLock lock_;
  std::unique_ptr<RecoveryWriter> writer_;
  std::vector<std::string> running_copies_;  // files whose lock a running copy holds
  std::optional<std::string> warning_;
  bool warned_ = false;
};

// "Unsaved work cannot be kept safe: the folder "F" is read-only." and the
// like, for the errno that stopped keeping in the folder.
std::string CannotKeepMessage(const std::string& folder, int error);

}  // namespace tw
