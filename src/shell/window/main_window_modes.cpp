// Entry modes, unit systems and the stored settings: the window side. The
// rules are the core's; here they meet the option buttons and menu items.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "about/program_info.h"
#include "program/plot.h"
#include "shell/window/cp1252.h"
#include "shell/window/curve_strip.h"
#include "shell/window/main_window.h"
#include "shell/window/numeric_field.h"

namespace tw {
namespace {

ControlState StateOf(const QPushButton* option) {
  return {option->isEnabled(), option->isChecked()};
}

ControlState StateOf(const QAction* item) {
  return {item->isEnabled(), item->isChecked()};
}

void Apply(QPushButton* option, ControlState state) {
  option->setEnabled(state.enabled);
  // Only ever check an option: Qt's auto-exclusive group unchecks the others.
  if (state.checked && !option->isChecked())
    option->setChecked(true);
}

void Apply(QAction* item, ControlState state) {
  item->setEnabled(state.enabled);
  item->setChecked(state.checked);
}

}  // namespace

// What one mode option switches, in the order the switch sets it.
struct MainWindow::ModeWidgets {
  ModeOption mode;
  QPushButton* option;
  QFrame* hidden_first;
  QFrame* second;  // hidden or shown, in its turn
  bool second_shown;
  QFrame* last;
  bool last_shown;
  QPushButton* add_button;
  QAction* menu_item;
  QWidget* first_field;
  bool focus_before_store;
};

MainWindow::ModeWidgets MainWindow::Widgets(ModeOption mode) const {
  switch (mode) {
    case ModeOption::Surveyor:
      return {.mode = mode,
              .option = optSurveyor,
              .hidden_first = frameCarpenter,
              .second = framePoint,
              .second_shown = false,
              .last = frameSurveyor,
              .last_shown = true,
              .add_button = cmdAddLine,
              .menu_item = mnuSetSurveyor,
              .first_field = chkCurve->isChecked() ? curve_strip_->First() : cmbDirections,
              .focus_before_store = true};
    case ModeOption::Carpenter:
      return {.mode = mode,
              .option = optCarpenter,
              .hidden_first = frameSurveyor,
              .second = framePoint,
              .second_shown = false,
              .last = frameCarpenter,
              .last_shown = true,
              .add_button = cmdCarpAddLine,
              .menu_item = mnuSetCarpenter,
              .first_field = icmbCarpenter,
              .focus_before_store = true};
    case ModeOption::Point:
      break;
  }
  // The Point option hides the Carpenter strip and shows its own, but the
  // Surveyor strip is hidden last, and the focus moves after the store.
  return {.mode = mode,
          .option = optPoint,
          .hidden_first = frameCarpenter,
          .second = framePoint,
          .second_shown = true,
          .last = frameSurveyor,
          .last_shown = false,
          .add_button = cmdPOINTAddLine,
          .menu_item = mnuSetPoint,
          .first_field = txtPtX,
          .focus_before_store = false};
}

EntryControls MainWindow::ReadControls() const {
  EntryControls c;
  c.modes.optSurveyor = StateOf(optSurveyor);
  c.modes.optCarpenter = StateOf(optCarpenter);
  c.modes.optPoint = StateOf(optPoint);
  c.modes.mnuSetSurveyor = StateOf(mnuSetSurveyor);
  c.modes.mnuSetCarpenter = StateOf(mnuSetCarpenter);
  c.modes.mnuSetPoint = StateOf(mnuSetPoint);
  c.modes.mnuSetImperial = StateOf(mnuSetImperial);
  c.modes.mnuSetMetric = StateOf(mnuSetMetric);
  c.cmdUndo_enabled = cmdUndo->isEnabled();
  return c;
}

void MainWindow::ApplyControls(const EntryControls& c) {
  Apply(optSurveyor, c.modes.optSurveyor);
  Apply(optCarpenter, c.modes.optCarpenter);
  Apply(optPoint, c.modes.optPoint);
  Apply(mnuSetSurveyor, c.modes.mnuSetSurveyor);
  Apply(mnuSetCarpenter, c.modes.mnuSetCarpenter);
  Apply(mnuSetPoint, c.modes.mnuSetPoint);
  Apply(mnuSetImperial, c.modes.mnuSetImperial);
  Apply(mnuSetMetric, c.modes.mnuSetMetric);
  cmdUndo->setEnabled(c.cmdUndo_enabled);
}

void MainWindow::SwitchMode(ModeOption mode) {
  const ModeWidgets w = Widgets(mode);
  w.hidden_first->setVisible(false);
  w.second->setVisible(w.second_shown);
  w.last->setVisible(w.last_shown);
  ShowCurveRows();
  // Tab stop off: the option is reached by a click only.
  w.option->setFocusPolicy(Qt::ClickFocus);
  SetDefaultButton(w.add_button);
  for (QAction* item : {mnuSetSurveyor, mnuSetCarpenter, mnuSetPoint})
    item->setChecked(item == w.menu_item);
  if (w.focus_before_store && w.first_field->isVisible())
    w.first_field->setFocus();
  StoreMode(mode, settings_file_);
  program_->state.EntryMode = std::string(ModeText(mode));
  if (!w.focus_before_store && w.first_field->isVisible())
    w.first_field->setFocus();
}

void MainWindow::optSurveyor_Click() {
  SwitchMode(ModeOption::Surveyor);
}

void MainWindow::optCarpenter_Click() {
  SwitchMode(ModeOption::Carpenter);
}

void MainWindow::optPoint_Click() {
  SwitchMode(ModeOption::Point);
}

void MainWindow::SelectModeOption(ModeOption mode) {
  // Setting a Qt button's value raises no click, as the option's would.
  Widgets(mode).option->setChecked(true);
  SwitchMode(mode);
}

void MainWindow::ShowCarpenterLabels(const CarpenterLabels& labels) {
  lblCarpDistMajor->setText(FromCp1252(labels.lblCarpDistMajor));
  lblCarpDistMinor->setText(FromCp1252(labels.lblCarpDistMinor));
  lblCarpDistMajor->adjustSize();
  lblCarpDistMinor->adjustSize();
}

void MainWindow::SetImperialUnits() {
  EntryControls c = ReadControls();
  ShowCarpenterLabels(tw::SetImperialUnits(program_->state, c.modes, settings_file_));
  ApplyControls(c);
}

void MainWindow::SetMetricUnits() {
  EntryControls c = ReadControls();
  ShowCarpenterLabels(tw::SetMetricUnits(program_->state, c.modes, settings_file_));
  ApplyControls(c);
}

// The unit is saved with a point list: switching it is a change of the
// boundary, which the unsaved-work question and the recovery file follow.
void MainWindow::mnuSetMetric_Click() {
  SetMetricUnits();
  emit commandFinished();
}

void MainWindow::mnuSetImperial_Click() {
  SetImperialUnits();
  emit commandFinished();
}

void MainWindow::LstBearings_Validate() {
  EntryControls c = ReadControls();
  c.modes = UpdateUnitMenus(c.modes, program_->entries.Count(), program_->state.UnitAbbrev,
                            program_->state.EntryMode);
  ApplyControls(c);
}

void MainWindow::LoadSettings() {
  setWindowTitle(FromCp1252(MainCaption()));
  setWindowState(windowState() | Qt::WindowMaximized);
  const StoredSettings stored = ReadStoredSettings(settings_file_);
  if (stored.mode)
    SelectModeOption(*stored.mode);
  else
    FirstRunMode();
  if (stored.system == UnitSystem::Imperial)
    SetImperialUnits();
  else if (stored.system == UnitSystem::Metric)
    SetMetricUnits();
}

void MainWindow::FirstRunMode() {
  // No mode stored: Surveyor, as EntryMode and the default button already
  // say, but without its click, so nothing is written until the user
  // chooses. With no option down the mode locks would lock nothing.
  optSurveyor->setChecked(true);
  mnuSetSurveyor->setChecked(true);
  frameCarpenter->setVisible(false);
  framePoint->setVisible(false);
  frameSurveyor->setVisible(true);
}

bool MainWindow::CurveRowsWanted() const {
  return chkCurve->isChecked() && !frameSurveyor->isHidden();
}

void MainWindow::ShowCurveRows() {
  const bool curve = chkCurve->isChecked();
  for (QWidget* w : line_row_)
    w->setVisible(!curve);
  curve_strip_->SetPreviewShown(curve);
  cmdAddLine->setText(curve ? "Add Curve" : "Add Line");
  cmdAddLine->setToolTip(curve ? "Add new curve" : "Add new line");
  UpdateCurvePreview();
  const bool rows = CurveRowsWanted();
  if (rows == !frameCurve->isHidden())
    return;
  frameCurve->setVisible(rows);
  PlaceResizingControls(LayOutMainWindow(centralWidget()->size(), rows));
  Report(RedrawView(*program_));
}

}  // namespace tw
