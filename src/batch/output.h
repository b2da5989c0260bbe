// Handing the command's bytes to stdout: a full disk or a closed pipe must
// not pass for success, since a script would go on with a truncated file.
#pragma once

#include <string_view>

#include "base/result.h"

namespace tw {

// Writes every byte to the descriptor, then closes it. Fails with "Output
// could not be written: REASON." (UTF-8, for the terminal) when a write or
// the close fails. A closed pipe fails with EPIPE only when SIGPIPE is
// ignored; otherwise the signal ends the process first.
Status WriteOutput(int fd, std::string_view bytes);

}  // namespace tw
