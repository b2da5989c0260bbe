// quadrell-batch pdf [--standard S] [--report] PROJECT.twc: the plat as PDF on
// stdout, with the closure report as further pages when asked.
//
// The command lives in its own program, quadrell-batch-pdf, which the batch
// tool hands the command line to; it writes the PDF itself and needs no Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

struct PdfCommand {
  int standard = 10000;
  bool report = false;
  std::string path;
};

// True for "pdf".
bool IsPdfCommand(const std::vector<std::string>& args);

// pdf [--standard S] [--report] PROJECT.twc; nullopt for a wrong command line.
std::optional<PdfCommand> ParsePdfCommand(const std::vector<std::string>& args);

// Replaces this process with quadrell-batch-pdf, beside this program (the
// build folder) or in ../libexec/tractwise of its folder, passing `argv` on. Returns only when that
// failed, with the exit code to end with.
int RunPdfProgram(char* argv[]);

}  // namespace tw
