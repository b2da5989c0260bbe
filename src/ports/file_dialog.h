// The modal open and save file dialog.
#pragma once

#include <optional>
#include <string>
#include <utility>

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

// A save dialog that asks before replacing a file.
inline FileDialogRequest SaveFileRequest(std::string title, std::string initial_name,
                                         std::string filter) {
  FileDialogRequest r;
  r.kind = FileDialogRequest::Kind::Save;
  r.title = std::move(title);
  r.initial_name = std::move(initial_name);
  r.filter = std::move(filter);
  r.overwrite_prompt = true;
  return r;
}

// An open dialog for an existing file, with no initial name.
inline FileDialogRequest OpenFileRequest(std::string title, std::string filter) {
  FileDialogRequest r;
  r.kind = FileDialogRequest::Kind::Open;
  r.title = std::move(title);
  r.filter = std::move(filter);
  r.must_exist = true;
  return r;
}

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen file's full path, or nullopt when the user cancelled.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

}  // namespace tw
