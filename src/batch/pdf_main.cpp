// quadrell-batch-pdf: the pdf command of quadrell-batch, which starts it.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "batch/fresh_run.h"
#include "batch/output.h"
#include "batch/pdf_batch.h"
#include "files/standard_descriptors.h"
#include "files/text_encoding.h"
#include "formats/project_commands.h"
#include "plat/pdf_page.h"
#include "ports/drawing_surface.h"
#include "ports/log_sink.h"
#include "program/program.h"

namespace {

int Fail(const std::string& message) {
  const std::string text = tw::Cp1252ToUtf8(message) + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  return tw::kBatchFailed;
}

}  // namespace

int main(int argc, char* argv[]) {
  tw::ReserveStandardDescriptors();
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::optional<tw::PdfCommand> command = tw::ParsePdfCommand(args);
  if (!command) {
    const std::string usage = tw::BatchUsage();
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return tw::kBatchUsage;
  }
  tw::NullLog log;
  tw::FreshRun run(log);
  const tw::Result<tw::OpenOutcome> opened =
      tw::OpenProjectPath(run.program, run.controls, command->path);
  if (!opened)
    return Fail(opened.error());
  if (opened->message)
    Fail(*opened->message);
  tw::PlatHeading heading;
  heading.title = tw::PlatTitleOf(command->path);
  heading.date = tw::TodayText();
  heading.standard = command->standard;
  heading.closure_report = command->report;
  const tw::Result<std::string> pdf =
      tw::PlatPdfBytes(run.program.entries, run.program.state, heading);
  if (!pdf)
    return Fail(pdf.error());
  const tw::Status written = tw::WriteOutput(STDOUT_FILENO, *pdf);
  if (!written)
    return Fail(written.error());
  return 0;
}
