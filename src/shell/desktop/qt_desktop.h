// The desktop ports over Qt: opening documents and addresses, starting
// programs, and where the program runs from.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ports/desktop.h"
#include "ports/program_folder.h"

namespace tw {

// Files are local paths in the file system's encoding; anything with a
// scheme ("https:", "mailto:") is an address. Goes to the desktop's open
// service (xdg-open and the like), never through a shell command line.
class QtDesktop : public Desktop {
 public:
  bool Open(const std::string& file_or_address) override;
};

class QtLauncher : public Launcher {
 public:
  std::optional<std::string> Find(const std::string& program) override;
  bool StartDetached(const std::string& path, const std::vector<std::string>& args) override;
};

// The folder of the running program file.
class QtProgramFolder : public ProgramFolder {
 public:
  std::string Path() const override;
};

}  // namespace tw
