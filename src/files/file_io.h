// Reading and writing whole files, with the user's message on failure.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace tw {

// The bytes of a regular file of at most 1 GiB. Anything else (a pipe, a
// device, a folder) is refused without waiting on it. Fails with "The file
// "PATH" could not be read: REASON."
Result<std::string> ReadFileBytes(const std::string& path);

// Whose file a write replaces. A user's file keeps its permissions, and a
// symbolic link the user made stays a link: the file at the end of its chain
// is replaced. The program's own files (the recovery file) are private
// (0600, whatever an old file's mode was) and are never written through a
// link: one planted at the target fails the write.
enum class FileOwner { User, Program };

// Writes the bytes to a new temporary file in the target's folder and renames
// it over the target only when every byte is on disk, then flushes the folder,
// so a failure (disk full, no permission) leaves the previous file as it was
// and no temporary file behind. Fails with "The file "PATH" could not be
// written: REASON."
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           FileOwner owner = FileOwner::User);

// Whether a symbolic link (dangling or not) stands at the path itself.
bool IsSymbolicLink(const std::string& path);

// Writes all the bytes to an open descriptor, again after a short write or an
// interrupted one: 0, or the errno of the failure.
int WriteEveryByte(int fd, std::string_view bytes);

}  // namespace tw
