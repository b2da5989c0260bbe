#include "batch/pdf_batch.h"

#include <utility>

#include "batch/arguments.h"
#include "batch/helper_program.h"

namespace tw {

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
  return RunHelperProgram("quadrell-batch-pdf", TW_PDF_PROGRAM, argv);
}

}  // namespace tw
