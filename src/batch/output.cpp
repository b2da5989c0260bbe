#include "batch/output.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tw {
namespace {

Error OutputError(int error) {
  return Error{"Output could not be written: " +
               std::error_code(error, std::generic_category()).message() + "."};
}

}  // namespace

Status WriteOutput(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return OutputError(errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  // A file on a network or a full disk may report its failure only here.
  if (::close(fd) != 0)
    return OutputError(errno);
  return Ok();
}

}  // namespace tw
