#include "batch/output.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "files/file_io.h"

namespace tw {
namespace {

Error OutputError(int error) {
  return Error{"Output could not be written: " +
               std::error_code(error, std::generic_category()).message() + "."};
}

}  // namespace

Status WriteOutput(int fd, std::string_view bytes) {
  if (const int error = WriteEveryByte(fd, bytes))
    return OutputError(error);
  // A file on a network or a full disk may report its failure only here.
  if (::close(fd) != 0)
    return OutputError(errno);
  return Ok();
}

}  // namespace tw
