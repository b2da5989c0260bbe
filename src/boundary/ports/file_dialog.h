// The modal open and save file dialog.
#pragma once

#include <optional>
#include <string>

namespace tw {

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  std::string initial_name;  // empty for none
  // Pairs of a description and a pattern, each followed by "|"; a pattern may
  // join several with ";": "Tractwise File (*.twc)|*.twc|".
  std::string filter;
  bool overwrite_prompt = false;  // save: ask before replacing a file
  bool must_exist = false;        // open: the file must exist
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen file's full path, or nullopt when the user cancelled.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

}  // namespace tw
