#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "files/text_encoding.h"

namespace tw {
namespace {

// Messages are Windows-1252; the system may word its reasons in UTF-8.
std::string SystemReason(int error) {
  return Utf8ToCp1252(std::error_code(error, std::generic_category()).message());
}

Error ReadError(const std::string& path, int error) {
  return Error{"The file \"" + Utf8ToCp1252(path) + "\" could not be read: " + SystemReason(error) +
               "."};
}

Error WriteError(const std::string& path, int error) {
  return Error{"The file \"" + Utf8ToCp1252(path) +
               "\" could not be written: " + SystemReason(error) + "."};
}

// Writes everything or returns the errno of the failure (0 on success).
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

// Creates a new file beside the target whose name no other writer uses.
int CreateTemporary(const std::string& path, std::string& temporary) {
  for (int attempt = 0;; ++attempt) {
    temporary = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt >= 100)
      return fd;
  }
}

}  // namespace

Result<std::string> ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return ReadError(path, errno);
  struct stat info {};
  const size_t expected =
      ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
  // Read straight into the string; one more byte shows the end of a file
  // that has not grown, and a file that has grown is read on.
  std::string bytes(expected + 1, '\0');
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
      const int error = errno;
      ::close(fd);
      return ReadError(path, error);
    }
    size += static_cast<size_t>(got);
  }
  ::close(fd);
  bytes.resize(size);
  return bytes;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0)
    return WriteError(path, errno);
  struct stat previous {};
  if (::stat(path.c_str(), &previous) == 0)
    ::fchmod(fd, previous.st_mode & 07777);
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0)
    error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
    error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return WriteError(path, error);
  }
  return Ok();
}

}  // namespace tw
