// Where the program runs from.
#pragma once

#include <string>

namespace tw {

class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  // The folder that holds the program file, without a trailing separator.
  virtual std::string Path() const = 0;
};

}  // namespace tw
