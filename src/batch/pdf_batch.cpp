#include "batch/pdf_batch.h"

#include <unistd.h>

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>

#include "batch/batch.h"
#include "closure/closure_figures.h"

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
  PdfCommand c;
  if (args.size() == 4 && args[1] == "--standard") {
    long long s = 0;
    const std::string& text = args[2];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), s);
    if (ec != std::errc() || end != text.data() + text.size() || !IsStandard(s))
      return std::nullopt;
    c.standard = static_cast<int>(s);
  } else if (args.size() != 2) {
    return std::nullopt;
  }
  c.path = args.back();
  return c;
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
