// The batch tool's commands that run in programs of their own (pdf, map), so
// that the libraries they load cost the other commands nothing.
#pragma once

#include <string>

namespace tw {

// Replaces this process with the program `name`, beside this program (the
// build folder) or at `installed`, relative to this program's folder,
// passing `argv` on. Returns only when that failed, with the exit code to end
// with.
int RunHelperProgram(const std::string& name, const std::string& installed, char* argv[]);

// The folder this program was started from.
std::string ProgramFolder();

}  // namespace tw
