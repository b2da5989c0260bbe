#include "report/links.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "report/contact.h"

namespace tw {

std::string HelpFilePath(const std::string& program_folder) {
  const std::filesystem::path folder(program_folder);
  const std::filesystem::path beside = folder / kHelpFileName;
  std::error_code error;
  if (std::filesystem::is_regular_file(beside, error))
    return beside.string();
  // Relative to the program, not to the configured prefix, so that an
  // installed tree still finds its help after being moved or unpacked
  // elsewhere (cmake --install --prefix, a package unpacked by hand).
  return (folder.parent_path() / "share" / "tractwise" / kHelpFileName).lexically_normal().string();
}

void ShowHelp(const ProgramFolder& folder, Desktop& desktop) {
  desktop.Open(HelpFilePath(folder.Path()));
}

void OpenWebPage(Desktop& desktop) {
  desktop.Open(kWebAddress);
}

void OpenMailTo(Desktop& desktop) {
  desktop.Open(std::string("mailto:") + kMailAddress);
}

}  // namespace tw
