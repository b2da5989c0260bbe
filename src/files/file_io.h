// Reading and writing whole files, with the user's message on failure.
#pragma once

#include <string>
#include <string_view>

#include "boundary/result.h"

namespace tw {

// The file's bytes. Fails with "The file "PATH" could not be read: REASON."
Result<std::string> ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target only when every byte is on disk, so a failure (disk full,
// no permission) leaves the previous file as it was. A replaced file keeps its
// permissions. Fails with "The file "PATH" could not be written: REASON."
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tw
