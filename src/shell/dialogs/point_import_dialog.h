// frmPointImport: the preview of a point file and the choice of its column
// order. Modeless: the main window stays usable while it is open.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "formats/import_commands.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tw {

class PointImportDialog : public QDialog {
  Q_OBJECT

 public:
  // import runs the import with the chosen format text and says whether the
  // list was replaced; the dialog then closes.
  using ImportHandler = std::function<bool(const PointPreview&, const std::string& format)>;

  PointImportDialog(ImportHandler import, QWidget* parent = nullptr);

  // Shows the file's non-empty lines, replacing any earlier preview; the
  // chosen format stays.
  void Load(PointPreview preview);

 public slots:
  void CmdImport_Click();
  void cmdCancel_Click();

 private:
  void Form_Load();

  ImportHandler import_;
  PointPreview preview_;

  QListWidget* lstPtimportPrev;
  QLabel* Label1;
  QComboBox* cmbPtImportFormat;
  QLabel* Label2;
  QPushButton* cmdCancel;
  QPushButton* CmdImport;
};

}  // namespace tw
