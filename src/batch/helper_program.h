// The batch tool's commands that run in programs of their own (pdf, map), so
// that the libraries they load cost the other commands nothing, and the
// questions only such a program can answer.
#pragma once

#include <string>
#include <vector>

#include "base/result.h"

namespace tw {

// Replaces this process with the program `name`, beside this program (the
// build folder) or at `installed`, relative to this program's folder,
// passing `argv` on. Returns only when that failed, with the exit code to end
// with.
int RunHelperProgram(const std::string& name, const std::string& installed, char* argv[]);

// Runs the program `name`, found as RunHelperProgram finds it, with `args`
// and waits for it. Its standard output when it ends with 0; else what it
// wrote to stderr, or why it could not be started.
Result<std::string> HelperProgramOutput(const std::string& name, const std::string& installed,
                                        const std::vector<std::string>& args);

// The folder this program was started from.
std::string ProgramFolder();

}  // namespace tw
