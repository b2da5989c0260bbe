#include "shell/desktop/description_commands_qt.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "description/description_commands.h"
#include "shell/dialogs/description_dialog.h"
#include "shell/window/cp1252.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

// The writer's choices, asked before the file dialog; nullopt when cancelled.
std::optional<DescribeOptions> AskDescribeOptions(QWidget* parent) {
  QDialog ask(parent);
  ask.setObjectName("frmDescribeOptions");
  ask.setWindowTitle("Export Description");
  auto* words = new QCheckBox("Bearings in words", &ask);
  words->setObjectName("chkWords");
  auto* decimals = new QSpinBox(&ask);
  decimals->setObjectName("txtDecimals");
  decimals->setRange(0, kMostDescribeDecimals);
  decimals->setValue(DescribeOptions{}.decimals);
  auto* beginning = new QLineEdit(&ask);
  beginning->setObjectName("txtBeginning");
  beginning->setPlaceholderText("its coordinates when empty");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
  auto* form = new QFormLayout(&ask);
  form->addRow(words);
  form->addRow("Distance decimals:", decimals);
  form->addRow("Point of beginning:", beginning);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
  if (ask.exec() != QDialog::Accepted)
    return std::nullopt;
  return DescribeOptions{words->isChecked(), decimals->value(), ToCp1252(beginning->text())};
}

}  // namespace

DescriptionCommands::DescriptionCommands(MainWindow& window, FileDialog& files,
                                         QuestionBox& questions)
    : QObject(&window), window_(window), files_(files), questions_(questions) {
  connect(&window, &MainWindow::readDescriptionRequested, this, &DescriptionCommands::ShowDialog);
  connect(&window, &MainWindow::exportDescriptionRequested, this,
          &DescriptionCommands::ExportDescription);
}

DescriptionDialog* DescriptionCommands::Dialog() const {
  return dialog_;
}

void DescriptionCommands::ShowDialog() {
  if (!dialog_) {
    dialog_ = new DescriptionDialog([this](const DescriptionReading& r) { return UseCalls(r); },
                                    files_, questions_, &window_);
  }
  // The calls are read in the list's unit, which Use These Calls keeps.
  dialog_->SetUnit(window_.program().state.UnitAbbrev);
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

bool DescriptionCommands::UseCalls(const DescriptionReading& reading) {
  if (!window_.MayDiscardBoundary())
    return false;
  EntryControls controls = window_.ReadControls();
  const Status used = UseReadCalls(window_.program(), controls, reading);
  window_.ApplyControls(controls);
  window_.SelectModeOption(ModeOption::Surveyor);
  window_.FinishCommand();
  window_.SetCurrentFile({});
  window_.Report(used);
  return used.ok();
}

void DescriptionCommands::ExportDescription() {
  if (std::optional<DescribeOptions> options = AskDescribeOptions(&window_))
    ExportDescriptionFile(window_.program(), files_, window_.messages(), *options);
  window_.FinishCommand();
}

}  // namespace tw
