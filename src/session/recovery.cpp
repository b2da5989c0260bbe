#include "session/recovery.h"

#include <signal.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

#include "files/file_io.h"
#include "formats/project_file.h"
#include "settings/folders.h"

namespace tw {
namespace {

std::optional<long> LockHolder(const std::string& lock_path) {
  const Result<std::string> text = ReadFileBytes(lock_path);
  if (!text)
    return std::nullopt;
  long pid = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), pid);
  if (error != std::errc() || pid <= 0)
    return std::nullopt;
  return pid;
}

void RemoveFile(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

std::string RecoveryFilePath(const std::string& settings_folder) {
  return settings_folder + "/recovery.twc";
}

std::string RecoveryLockPath(const std::string& settings_folder) {
  return settings_folder + "/recovery.lock";
}

std::chrono::milliseconds RecoveryThrottle::DelayAt(Clock::time_point now) const {
  if (!last_write_ || now >= *last_write_ + kInterval)
    return std::chrono::milliseconds(0);
  return std::chrono::ceil<std::chrono::milliseconds>(*last_write_ + kInterval - now);
}

RecoveryWriter::RecoveryWriter(std::string path)
    : path_(std::move(path)), worker_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void RecoveryWriter::Write(RecoverySnapshot snapshot) {
  {
    std::lock_guard lock(mutex_);
    wish_.emplace(std::move(snapshot));
  }
  changed_.notify_all();
}

void RecoveryWriter::Remove() {
  {
    std::lock_guard lock(mutex_);
    wish_.emplace(std::nullopt);
  }
  changed_.notify_all();
}

void RecoveryWriter::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !wish_ && !busy_; });
}

void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return wish_ || stopping_; });
    if (!wish_)
      return;  // stopping with nothing left to do
    std::optional<RecoverySnapshot> wish = std::move(*wish_);
    wish_.reset();
    busy_ = true;
    lock.unlock();
    if (wish) {
      const std::string folder = std::filesystem::path(path_).parent_path().string();
      if (folder.empty() || EnsureFolder(folder))
        (void)WriteFileAtomically(path_, ProjectFileBytes(wish->state, wish->entries));
    } else {
      RemoveFile(path_);
    }
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

bool IsProcessRunning(long pid) {
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool TakeRecoveryLock(const std::string& lock_path, long own_pid, const ProcessRunning& running) {
  const std::optional<long> holder = LockHolder(lock_path);
  if (holder && *holder != own_pid && running(*holder))
    return false;
  const std::string folder = std::filesystem::path(lock_path).parent_path().string();
  if (!folder.empty() && !EnsureFolder(folder))
    return false;
  return bool(WriteFileAtomically(lock_path, std::to_string(own_pid) + "\n"));
}

void ReleaseRecoveryLock(const std::string& lock_path, long own_pid) {
  if (LockHolder(lock_path) == own_pid)
    RemoveFile(lock_path);
}

}  // namespace tw
