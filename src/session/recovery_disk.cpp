#include "session/recovery_disk.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/file_io.h"

namespace tw {
namespace {

// The lock file is never removed while locked, but a copy may have removed
// it (and another made a new one) between our open and our flock: the lock
// counts only when the name still leads to the file we locked.
bool StillNamed(int fd, const std::string& path) {
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

LockAttempt Failed(int error) {
  return {FileLock(), false, error};
}

LockAttempt HeldElsewhere() {
  return {FileLock(), true, 0};
}

int OpenLockFile(const std::string& path) {
  const int flags = O_CLOEXEC | O_NOFOLLOW;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0600);
  // A read-only folder still lets an existing lock file be locked; when there
  // is none, the read-only folder is the reason to give.
  if (fd < 0 && (errno == EACCES || errno == EROFS)) {
    const int denied = errno;
    const int existing = ::open(path.c_str(), O_RDONLY | flags);
    if (existing < 0 && errno == ENOENT)
      errno = denied;
    return existing;
  }
  return fd;
}

}  // namespace

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FileLock::~FileLock() {
  Release();
}

void FileLock::Release() {
  if (fd_ >= 0)
    ::close(fd_);  // lets the flock go
  fd_ = -1;
}

int RecoveryDisk::MakeFolder(const std::string& folder) {
  if (IsSymbolicLink(folder))
    return ENOTDIR;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    return error.value();
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0)
    return errno;
  return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

LockAttempt RecoveryDisk::Lock(const std::string& path) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    const int fd = OpenLockFile(path);
    if (fd < 0)
      return Failed(errno);
    FileLock lock(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK)
        return HeldElsewhere();
      return Failed(error);
    }
    if (StillNamed(fd, path))
      return {std::move(lock), false, 0};
  }
  return HeldElsewhere();
}

Status RecoveryDisk::Write(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, FileOwner::Program);
}

int RecoveryDisk::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int RecoveryDisk::RenameAside(const std::string& from, const std::string& to) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0
                                                                                          : errno;
}

}  // namespace tw
