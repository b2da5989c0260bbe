#include "shell/dialogs/file_dialog_qt.h"

#include <QFile>
#include <QFileDialog>

#include "shell/window/cp1252.h"

namespace tw {
namespace {

QString QtPatterns(std::string_view patterns) {
  QStringList list;
  for (const QString& p : FromCp1252(patterns).split(';', Qt::SkipEmptyParts))
    list << (p.trimmed() == "*.*" ? QString("*") : p.trimmed());
  return list.join(' ');
}

}  // namespace

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  while (!filter.empty()) {
    const size_t bar = filter.find('|');
    const std::string_view description = filter.substr(0, bar);
    if (bar == std::string_view::npos)
      break;
    filter.remove_prefix(bar + 1);
    const size_t end = filter.find('|');
    const std::string_view patterns = filter.substr(0, end);
    filter.remove_prefix(end == std::string_view::npos ? filter.size() : end + 1);
    filters << FromCp1252(description) + " (" + QtPatterns(patterns) + ")";
  }
  return filters;
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  const bool save = request.kind == FileDialogRequest::Kind::Save;
  // Qt's own dialog, so that the descriptions show exactly as written.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setWindowTitle(FromCp1252(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
  dialog.setNameFilters(QtNameFilters(request.filter));
  if (!request.initial_name.empty())
    dialog.selectFile(QFile::decodeName(request.initial_name.c_str()));
}

std::optional<std::string> QtFileDialog::Show(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  ConfigureFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace tw
