#include "shell/dialogs/point_import_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "formats/point_import.h"
#include "shell/window/cp1252.h"
#include "shell/window/window_layout.h"

namespace tw {
namespace {

template <class W>
W* Place(W* widget, const char* name, QRect twips) {
  widget->setObjectName(name);
  widget->setGeometry(twips);
  return widget;
}

}  // namespace

PointImportDialog::PointImportDialog(ImportHandler import, QWidget* parent)
    : QDialog(parent), import_(std::move(import)) {
  setObjectName("frmPointImport");
  setWindowTitle("Import Points");
  setModal(false);
  // Closed by Import or Cancel, it is gone; the next import makes a new one.
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Pixels(5610), Pixels(3345));
  lstPtimportPrev =
      Place(new QListWidget(this), "lstPtimportPrev", TwipsRect(120, 180, 5355, 1425));
  // A preview of 100,000 lines lays out in milliseconds only with this.
  lstPtimportPrev->setUniformItemSizes(true);
  Label1 = Place(new QLabel("File Format:", this), "Label1", TwipsRect(120, 1800, 1035, 255));
  cmbPtImportFormat =
      Place(new QComboBox(this), "cmbPtImportFormat", TwipsRect(1500, 1740, 3975, 315));
  Label2 = Place(new QLabel("* Only first three fields are imported. All additional fields, "
                            "such as Elevation, Description, etc. are ignored.",
                            this),
                 "Label2", TwipsRect(120, 2220, 5295, 435));
  Label2->setWordWrap(true);
  cmdCancel = Place(new QPushButton("Cancel", this), "cmdCancel", TwipsRect(3060, 2820, 1215, 375));
  CmdImport = Place(new QPushButton("Import", this), "CmdImport", TwipsRect(4380, 2820, 1155, 375));
  // Neither button is the default: Enter in the list or the format box must
  // not cancel or import by surprise.
  cmdCancel->setAutoDefault(false);
  CmdImport->setAutoDefault(false);
  // Esc closes the dialog as Cancel does: QDialog turns it into reject().
  connect(cmdCancel, &QPushButton::clicked, this, &PointImportDialog::cmdCancel_Click);
  connect(CmdImport, &QPushButton::clicked, this, &PointImportDialog::CmdImport_Click);
  Form_Load();
}

void PointImportDialog::Form_Load() {
  for (const PointFormat& format : kPointFormats)
    cmbPtImportFormat->addItem(format.name);
  cmbPtImportFormat->setCurrentIndex(0);
}

void PointImportDialog::Load(PointPreview preview) {
  preview_ = std::move(preview);
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(preview_.lines.size()));
  for (std::string_view line : preview_.lines.texts)
    lines << FromCp1252(line);
  lstPtimportPrev->clear();
  lstPtimportPrev->addItems(lines);
}

void PointImportDialog::CmdImport_Click() {
  const std::string format = ToCp1252(cmbPtImportFormat->currentText());
  if (import_(preview_, format))
    accept();
}

void PointImportDialog::cmdCancel_Click() {
  reject();
}

}  // namespace tw
