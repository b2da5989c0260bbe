#include "session/recovery.h"

#include "formats/project_file.h"

namespace tw {

std::chrono::milliseconds RecoveryThrottle::DelayAt(Clock::time_point now) const {
  if (!last_write_ || now >= *last_write_ + kInterval)
    return std::chrono::milliseconds(0);
  return std::chrono::ceil<std::chrono::milliseconds>(*last_write_ + kInterval - now);
}

RecoveryWriter::RecoveryWriter(RecoveryDisk& disk, std::string path)
    : disk_(disk), path_(std::move(path)), worker_([this] { Run(); }) {}

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

std::optional<std::string> RecoveryWriter::TakeFailure() {
  std::lock_guard lock(mutex_);
  return std::exchange(failure_, std::nullopt);
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
    Carry(wish);
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

// Runs on the worker without the mutex: the disk may be slow.
void RecoveryWriter::Carry(const std::optional<RecoverySnapshot>& wish) {
  std::optional<std::string> failure;
  if (wish) {
    const Status written = disk_.Write(path_, ProjectFileBytes(wish->state, wish->entries));
    if (!written)
      failure = written.error();
  } else {
    (void)disk_.Remove(path_);
  }
  if (failure) {
    std::lock_guard lock(mutex_);
    failure_ = std::move(failure);
  }
}

}  // namespace tw
