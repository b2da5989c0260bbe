#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

#include "files/text_encoding.h"

namespace tw {
namespace {

// A larger file is no project, point or settings file; reading it would only
// hold the user up and could exhaust the memory.
constexpr size_t kLargestFile = size_t{1} << 30;

// Messages are Windows-1252; the system may word its reasons in UTF-8.
std::string SystemReason(int error) {
  return Utf8ToCp1252(std::error_code(error, std::generic_category()).message());
}

Error ReadError(const std::string& path, const std::string& reason) {
  return Error{"The file \"" + Utf8ToCp1252(path) + "\" could not be read: " + reason + "."};
}

// Stands for "a link was found where the program's own file goes"; no
// system call reports it, so it cannot be confused with a system errno.
constexpr int kRefusedLink = -1;

Error WriteError(const std::string& path, int error) {
  const std::string reason =
      error == kRefusedLink ? "it is a symbolic link, which is not followed" : SystemReason(error);
  return Error{"The file \"" + Utf8ToCp1252(path) + "\" could not be written: " + reason + "."};
}

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, for a writer that must know whether the close failed.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Reads to the end, or returns the errno of the failure; stops once the file
// has grown past the largest size.
int ReadAll(int fd, size_t expected, std::string& bytes) {
  // Read straight into the string; one more byte shows the end of a file
  // that has not grown, and a file that has grown is read on.
  bytes.assign(expected + 1, '\0');
  size_t size = 0;
  for (;;) {
    if (size == bytes.size())
      bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
    if (got == 0)
      break;
    if (got < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    size += static_cast<size_t>(got);
    if (size > kLargestFile)
      break;
  }
  bytes.resize(size);
  return 0;
}

// Writes everything and syncs it, or returns the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  if (const int error = WriteEveryByte(fd, bytes))
    return error;
  return ::fsync(fd) == 0 ? 0 : errno;
}

// The file a write replaces: the path itself, or for a symbolic link the file
// at the end of its chain. 0 or the errno that stops the write (a dangling
// link, a loop).
int FinalTarget(const std::string& path, std::string& target) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
    target = path;
    return 0;
  }
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                             &std::free);
  if (!resolved)
    return errno;
  target = resolved.get();
  return 0;
}

// The target's folder with its closing "/", or "" for the current folder.
std::string FolderOf(const std::string& target) {
  const size_t slash = target.rfind('/');
  return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

// A name beside the target, short enough to fit wherever the target's fits.
std::string TemporaryName(const std::string& folder, int attempt) {
  return folder + ".tw" + std::to_string(::getpid()) + "." + std::to_string(attempt);
}

// Gives a nameless file (O_TMPFILE) a new name in the folder, or returns the
// errno of the failure.
int NameUnnamed(int fd, const std::string& folder, std::string& temporary) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0;; ++attempt) {
    const std::string name = TemporaryName(folder, attempt);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temporary = name;
      return 0;
    }
    if (errno != EEXIST || attempt >= 100)
      return errno;
  }
}

// Opens the file the bytes go to. Where the folder's file system offers it,
// the file has no name until every byte is on disk, so that even a killed
// write leaves nothing behind; elsewhere it gets a new name now, created
// exclusively so that nothing already there (a planted link) is followed.
int CreateTemporary(const std::string& folder, mode_t mode, std::string& temporary) {
  const std::string where = folder.empty() ? "." : folder;
  const int unnamed = ::open(where.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (unnamed >= 0)
    return unnamed;
  for (int attempt = 0;; ++attempt) {
    temporary = TemporaryName(folder, attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0)
      return fd;
    const int error = errno;
    temporary.clear();
    errno = error;
    if (error != EEXIST || attempt >= 100)
      return -1;
  }
}

// Makes the rename itself durable. A file system that cannot sync a folder
// says so with EINVAL; that is no failure of the write.
int SyncFolder(const std::string& folder) {
  const Descriptor fd(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0)
    return errno;
  return ::fsync(fd.get()) == 0 || errno == EINVAL ? 0 : errno;
}

// A user's file keeps the permissions it had; the program's own are private.
void SetPermissions(int fd, const std::string& target, FileOwner owner) {
  struct stat previous {};
  if (owner == FileOwner::Program)
    ::fchmod(fd, 0600);  // the umask may have narrowed it further; never widened
  else if (::stat(target.c_str(), &previous) == 0)
    ::fchmod(fd, previous.st_mode & 07777);
}

// Writes the bytes under a temporary name in the target's folder and renames
// them over the target; 0 or the errno of the failure, with the temporary
// file removed.
int ReplaceFile(const std::string& target, std::string_view bytes, FileOwner owner) {
  const std::string folder = FolderOf(target);
  std::string temporary;  // empty while the file has no name
  Descriptor fd(CreateTemporary(folder, owner == FileOwner::Program ? 0600 : 0666, temporary));
  if (fd.get() < 0)
    return errno;
  SetPermissions(fd.get(), target, owner);
  int error = WriteAll(fd.get(), bytes);
  if (error == 0 && temporary.empty())
    error = NameUnnamed(fd.get(), folder, temporary);
  const int closed = fd.Close();
  if (error == 0)
    error = closed;
  // Checked again right before the rename: a link planted while the bytes
  // were written must not be replaced silently either.
  if (error == 0 && owner == FileOwner::Program && IsSymbolicLink(target))
    error = kRefusedLink;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
    error = errno;
  if (error != 0) {
    if (!temporary.empty())
      ::unlink(temporary.c_str());
    return error;
  }
  return SyncFolder(folder);
}

}  // namespace

Result<std::string> ReadFileBytes(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0)
    return ReadError(path, SystemReason(errno));
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0)
    return ReadError(path, SystemReason(errno));
  if (!S_ISREG(info.st_mode))
    return ReadError(path, "it is not a regular file");
  const auto expected = static_cast<size_t>(info.st_size);
  if (expected > kLargestFile)
    return ReadError(path, "it is larger than 1 GiB");
  std::string bytes;
  if (const int error = ReadAll(fd.get(), expected, bytes))
    return ReadError(path, SystemReason(error));
  if (bytes.size() > kLargestFile)
    return ReadError(path, "it is larger than 1 GiB");
  return bytes;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes, FileOwner owner) {
  std::string target = path;
  int error = 0;
  if (owner == FileOwner::User)
    error = FinalTarget(path, target);
  else if (IsSymbolicLink(path))
    error = kRefusedLink;
  if (error == 0)
    error = ReplaceFile(target, bytes, owner);
  if (error != 0)
    return WriteError(path, error);
  return Ok();
}

bool IsSymbolicLink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

int WriteEveryByte(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

}  // namespace tw
