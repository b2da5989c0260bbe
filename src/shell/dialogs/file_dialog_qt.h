// The file dialog port over QFileDialog: modal, with the title, initial name
// and filter entries the file commands ask for, the overwrite prompt when
// saving and the must-exist check when opening. No initial folder and no
// default extension: the dialog starts in the current folder and a name
// typed without extension is used as typed.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "ports/file_dialog.h"

class QFileDialog;
class QWidget;

namespace tw {

// The Qt name filters of a "description|patterns|" text. Qt reads a filter's
// patterns from its last parentheses, so "ASCII point file (*.asc, *.txt)"
// alone would match "*.asc," and "*.txt": each filter is the description
// followed by its own patterns in parentheses, ";" becoming a blank, and
// "*.*" becoming "*" so that names without a dot are listed too.
QStringList QtNameFilters(std::string_view filter);

// Sets the dialog up for the request; the descriptions are shown as written.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

class QtFileDialog : public FileDialog {
 public:
  explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  // The path in the file system's encoding, or nullopt on cancel.
  std::optional<std::string> Show(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace tw
