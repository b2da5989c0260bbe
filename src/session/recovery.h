// The recovery writer: the boundary as it was after its last change, written
// in the background so that an add never waits for the disk, for the next
// start to offer after a crash, a power loss or a logout.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "boundary/entry_texts.h"
#include "boundary/program_state.h"
#include "session/recovery_disk.h"

namespace tw {

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
// (atomically, as the program's own file) or the file's removal; one that
// has not started yet is replaced by a newer one.
class RecoveryWriter {
 public:
  RecoveryWriter(RecoveryDisk& disk, std::string path);
  ~RecoveryWriter();  // finishes the newest wish, then stops
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void Write(RecoverySnapshot snapshot);
  void Remove();
  // Returns once every wish so far is on disk.
  void Wait();
  // The message of the first write that failed, once.
  std::optional<std::string> TakeFailure();

 private:
  void Run();
  void Carry(const std::optional<RecoverySnapshot>& wish);

  RecoveryDisk& disk_;
  std::string path_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Set: write it; holding nullopt: remove the file; unset: nothing to do.
  std::optional<std::optional<RecoverySnapshot>> wish_;
  std::optional<std::string> failure_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace tw
