// The recovery file: the boundary as it was after its last change, written in
// the background so that an add never waits for the disk, for the next start
// to offer after a crash, a power loss or a logout.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "boundary/entry_texts.h"
#include "boundary/program_state.h"

namespace tw {

inline constexpr const char* kRecoveryOffer =
    "A boundary from the last session was not saved. Open it?";

std::string RecoveryFilePath(const std::string& settings_folder);  // .../recovery.twc
std::string RecoveryLockPath(const std::string& settings_folder);  // .../recovery.lock

// At most one write every two seconds: a burst of adds costs one write.
class RecoveryThrottle {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kInterval{2000};

  // How long a write wanted now must wait.
  std::chrono::milliseconds DelayAt(Clock::time_point now) const;
  void WroteAt(Clock::time_point now) { last_write_ = now; }

 private:
  std::optional<Clock::time_point> last_write_;
};

// What the recovery file is to hold: a copy of the list and the header
// values, so that the worker never touches the window's own.
struct RecoverySnapshot {
  ProgramState state;
  EntryTexts entries;
};

// The one worker thread. Only the newest wish counts: a snapshot to write
// (atomically) or the file's removal; one that has not started yet is
// replaced by a newer one.
class RecoveryWriter {
 public:
  explicit RecoveryWriter(std::string path);
  ~RecoveryWriter();  // finishes the newest wish, then stops
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void Write(RecoverySnapshot snapshot);
  void Remove();
  // Returns once every wish so far is on disk.
  void Wait();

 private:
  void Run();

  std::string path_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Set: write it; holding nullopt: remove the file; unset: nothing to do.
  std::optional<std::optional<RecoverySnapshot>> wish_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

// Whether a process with the id runs.
using ProcessRunning = std::function<bool(long pid)>;
bool IsProcessRunning(long pid);

// Takes the lock beside the recovery file for this process: false when
// another running copy holds it (this copy then neither writes nor offers a
// recovery file). A lock left by a copy that ended is taken over.
bool TakeRecoveryLock(const std::string& lock_path, long own_pid, const ProcessRunning& running);
// Removes the lock if this process holds it.
void ReleaseRecoveryLock(const std::string& lock_path, long own_pid);

}  // namespace tw
