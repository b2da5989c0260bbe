#include "batch/pdf_batch.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include "batch/arguments.h"
#include "batch/batch.h"

namespace tw {
namespace {

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return ".";
  const std::string exe(path, static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/'));
}

}  // namespace

bool IsPdfCommand(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "pdf";
}

std::optional<PdfCommand> ParsePdfCommand(const std::vector<std::string>& args) {
  if (!IsPdfCommand(args))
    return std::nullopt;
  const std::optional<CommandArguments> split =
      SplitArguments(std::span(args).subspan(1), {"--standard"}, {"--report"});
  if (!split)
    return std::nullopt;
  std::optional<StandardAndProject> project = ReadStandardAndProject(*split);
  if (!project)
    return std::nullopt;
  return PdfCommand{project->standard, split->Option("--report").has_value(),
                    std::move(project->path)};
}

int RunPdfProgram(char* argv[]) {
  const std::string folder = ProgramFolder();
  for (const std::string& program :
       {folder + "/quadrell-batch-pdf", folder + "/" + TW_PDF_PROGRAM}) {
    argv[0] = const_cast<char*>(program.c_str());
    execv(program.c_str(), argv);
  }
  std::fprintf(stderr, "quadrell-batch-pdf could not be started: %s\n", std::strerror(errno));
  return kBatchFailed;
}

}  // namespace tw
