// Descriptors 0, 1 and 2 held by something, before anything else opens a
// file: a program started with one of them closed (`prog >&-`) would
// otherwise get that number for the next file it or a library opens, and
// its output would go into that file.
#pragma once

namespace tw {

// Opens /dev/null on each of descriptors 0-2 that is closed, read-write;
// leaves the open ones as they are. Call first thing in main.
void ReserveStandardDescriptors();

}  // namespace tw
