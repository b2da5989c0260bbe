#include "about/links.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "about/contact.h"
#include "files/text_encoding.h"

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

void OpenForViewing(const std::string& path, bool just_saved, Desktop& desktop,
                    MessageBox& messages) {
  if (desktop.Open(path))
    return;
  std::string text = "No program could be found to open \"" + Utf8ToCp1252(path) + "\".";
  if (just_saved)
    text += " The file was saved there.";
  messages.Show(text, kProgramTitle, MessageIcon::Information);
}

void ShowHelp(const ProgramFolder& folder, Desktop& desktop, MessageBox& messages) {
  OpenForViewing(HelpFilePath(folder.Path()), false, desktop, messages);
}

void OpenWebPage(Desktop& desktop) {
  desktop.Open(kWebAddress);
}

void OpenMailTo(Desktop& desktop) {
  desktop.Open(std::string("mailto:") + kMailAddress);
}

}  // namespace tw
