// The entry commands, Undo and Clear, zoom and the range check of the angle
// boxes: each reads its boxes, runs the core command and shows the result.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "entry/input_fields.h"
#include "ports/message_box.h"
#include "program/plot.h"
#include "shell/window/bearing_list.h"
#include "shell/window/cp1252.h"
#include "shell/window/curve_strip.h"
#include "shell/window/log_box.h"
#include "shell/window/main_window.h"
#include "shell/window/numeric_field.h"

namespace tw {
namespace {

std::string Text(const QLineEdit* box) {
  return ToCp1252(box->text());
}

void SetText(QLineEdit* box, const std::string& text) {
  const QString shown = FromCp1252(text);
  if (box->text() != shown)
    box->setText(shown);
}

}  // namespace

void MainWindow::FinishCommand() {
  TxtReport->Flush();
  LstBearings->ApplySelection();
  emit commandFinished();
}

void MainWindow::Report(const Status& status) {
  if (!status)
    messages_.Show(status.error(), kProgramTitle, MessageIcon::None);
}

void MainWindow::ShowOutcome(const CommandOutcome& outcome, QWidget* focus_on_success) {
  FinishCommand();
  // An added line can carry a message too: an older entry that could not be
  // read for the area.
  if (!outcome.message.empty())
    messages_.Show(outcome.message, kProgramTitle, MessageIcon::None);
  if (outcome.kind == CommandOutcome::Kind::Added)
    focus_on_success->setFocus();
}

void MainWindow::cmdAddLine_Click() {
  if (chkCurve->isChecked()) {
    AddCurve();
    return;
  }
  SurveyorFields f{ToCp1252(cmbDirections->currentText()), Text(TxtDegrees), Text(txtMinutes),
                   Text(txtSeconds), Text(txtLength)};
  EntryControls controls = ReadControls();
  const CommandOutcome outcome = AddSurveyorLine(*program_, controls, f);
  SetText(TxtDegrees, f.degrees);
  SetText(txtMinutes, f.minutes);
  SetText(txtSeconds, f.seconds);
  SetText(txtLength, f.length);
  ApplyControls(controls);
  ShowOutcome(outcome, cmbDirections);
}

void MainWindow::AddCurve() {
  CurveFields f = curve_strip_->Read();
  EntryControls controls = ReadControls();
  const CommandOutcome outcome = AddSurveyorCurve(*program_, controls, f);
  curve_strip_->WriteBoxes(f);
  ApplyControls(controls);
  ShowOutcome(outcome, curve_strip_->First());
}

void MainWindow::UpdateCurvePreview() {
  if (chkCurve->isChecked())
    curve_strip_->ShowPreview(CurvePreview(curve_strip_->Read(), program_->state.UnitAbbrev,
                                           HeadingAfterLast(*program_)));
}

void MainWindow::cmdCarpAddLine_Click() {
  CarpenterFields f{ToCp1252(icmbCarpenter->currentText()), Text(txtCarDistance),
                    Text(txtCarInches)};
  EntryControls controls = ReadControls();
  const CommandOutcome outcome = AddCarpenterLine(*program_, controls, f);
  SetText(txtCarDistance, f.major);
  SetText(txtCarInches, f.minor);
  ApplyControls(controls);
  ShowOutcome(outcome, icmbCarpenter);
}

void MainWindow::cmdPOINTAddLine_Click() {
  PointFieldTexts f{Text(txtPtX), Text(txtPtY)};
  EntryControls controls = ReadControls();
  const CommandOutcome outcome = AddPoint(*program_, controls, f);
  SetText(txtPtX, f.x);
  SetText(txtPtY, f.y);
  ApplyControls(controls);
  ShowOutcome(outcome, txtPtX);
}

void MainWindow::cmdUndo_Click() {
  EntryControls controls = ReadControls();
  UndoLastEntry(*program_, controls);
  ApplyControls(controls);
  FinishCommand();
}

void MainWindow::cmdClear_Click() {
  if (!MayDiscardBoundary())
    return;
  EntryControls controls = ReadControls();
  ClearBoundary(*program_, controls);
  ApplyControls(controls);
  FinishCommand();
}

void MainWindow::cmdZoomIN_Click() {
  const Status drawn = ZoomIn(*program_);
  FinishCommand();
  Report(drawn);
}

void MainWindow::cmdZoomOut_Click() {
  const Status drawn = ZoomOut(*program_);
  FinishCommand();
  Report(drawn);
}

void MainWindow::cmdRedraw_Click() {
  const Status drawn = ResetZoom(*program_);
  FinishCommand();
  Report(drawn);
}

// Runs as the focus leaves an angle box for another control. The message
// waits until the focus change is over (a modal box inside it would fight
// the change); until then the window takes no clicks or keys, so the click or
// key that moved on does nothing, as with a message shown at once.
void MainWindow::CheckFieldRange(NumericField* field) {
  if (restoring_focus_ || range_box_ || !field->isVisible())
    return;
  std::optional<std::string> message =
      tw::CheckFieldRange(ToCp1252(field->objectName()), Text(field));
  if (!message)
    return;
  range_box_ = field;
  qApp->installEventFilter(this);
  QMetaObject::invokeMethod(
      this, [this, text = std::move(*message)] { ShowRangeMessage(text); }, Qt::QueuedConnection);
}

void MainWindow::ShowRangeMessage(const std::string& message) {
  qApp->removeEventFilter(this);
  QPointer<NumericField> field = range_box_;
  range_box_ = nullptr;
  messages_.Show(message, kProgramTitle, MessageIcon::None);
  if (!field || !field->isVisible())
    return;
  // The box that the focus went to loses it again: that is no move of the
  // user's, and its own check would send the focus back and forth.
  restoring_focus_ = true;
  field->setFocus(Qt::OtherFocusReason);
  restoring_focus_ = false;
}

}  // namespace tw
