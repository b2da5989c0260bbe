// The file operations of recovery keeping, behind a port: each can fail in a
// way (a full disk, a read-only folder, a planted link) that a test must be
// able to reach without such a disk. The defaults act on the real file
// system; a test overrides the one it makes fail.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "base/result.h"

namespace tw {

// An exclusive lock on a lock file that the kernel lets go when the holder
// ends in any way (flock on an open file): a lock left by a crash or a power
// cut is free again, and two copies started at once cannot both take it.
class FileLock {
 public:
  FileLock() = default;
  explicit FileLock(int fd) : fd_(fd) {}
  FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  bool held() const { return fd_ >= 0; }
  void Release();

 private:
  int fd_ = -1;
};

struct LockAttempt {
  FileLock lock;
  bool held_elsewhere = false;  // another running copy holds it
  int error = 0;                // why the lock file could not be opened
};

class RecoveryDisk {
 public:
  virtual ~RecoveryDisk() = default;
  // Creates the folder when missing: 0, or the errno (ENOTDIR for a link or a
  // file standing where the folder goes).
  virtual int MakeFolder(const std::string& folder);
  // Never through a link at the path (it fails with ELOOP).
  virtual LockAttempt Lock(const std::string& path);
  // Atomically, private, never through a link (FileOwner::Program).
  virtual Status Write(const std::string& path, std::string_view bytes);
  // 0 or the errno; a missing file is no failure.
  virtual int Remove(const std::string& path);
  // 0 or the errno; never replaces a file at the new name.
  virtual int RenameAside(const std::string& from, const std::string& to);
};

}  // namespace tw
