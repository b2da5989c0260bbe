// The desktop's document-open service and starting other programs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Opens a file or an address (https:, mailto:) with its default program,
  // never through a shell command line. False when the desktop refused.
  virtual bool Open(const std::string& file_or_address) = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // The full path of a program found on the PATH, or nullopt.
  virtual std::optional<std::string> Find(const std::string& program) = 0;
  // Starts a program detached from this one. False when it could not start.
  virtual bool StartDetached(const std::string& path, const std::vector<std::string>& args) = 0;
};

}  // namespace tw
