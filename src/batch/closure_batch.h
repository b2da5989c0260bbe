// quadrell-batch closure and adjust: the closure analysis of a project.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "closure/adjustment.h"

namespace tw {

struct ClosureCommand {
  bool adjust_only = false;  // "adjust": the adjusted project file's bytes
  std::optional<AdjustMethod> method;
  bool report = false;  // "--report": the closure report in place of the text
  int standard = 10000;
  std::string path;
};

// True for "closure" and "adjust".
bool IsClosureCommand(const std::vector<std::string>& args);

// closure [--adjust METHOD] [--standard S] [--report] PROJECT.twc, or adjust METHOD
// PROJECT.twc; nullopt for a wrong command line.
std::optional<ClosureCommand> ParseClosureCommand(const std::vector<std::string>& args);

// Runs the command on the opened project. Adjust lets go of the entries once
// it has read them.
BatchResult RunClosureCommand(const ClosureCommand& command, EntryList& entries,
                              const ProgramState& state);

}  // namespace tw
