// The curve controls of the Surveyor strip: two rows above the line's row,
// shown while the strip's Curve check box is checked, and the one-line
// preview that takes the line's place in its row. The window lays the rows
// out and runs the add; this reads and writes the controls.
#pragma once

#include <QFrame>
#include <QList>
#include <string>

#include "entry/curve_fields.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace tw {

class NumericField;

class CurveStrip : public QObject {
  Q_OBJECT

 public:
  // The rows go into `rows` (a frame of their own above the strip), the
  // preview into `line_row`, the strip's frame, hidden until shown.
  CurveStrip(QFrame* rows, QFrame* line_row);

  CurveFields Read() const;
  // The text boxes as the add command left them.
  void WriteBoxes(const CurveFields& f);
  // The preview's text (Windows-1252), cut short with its whole text as the
  // tip if the row is too narrow for it.
  void ShowPreview(const std::string& text);
  // The preview spans the line's row up to `right` (pixels of the strip).
  void PlacePreview(int right);
  void SetPreviewShown(bool shown);

  // The first control, which takes the focus after an add.
  QWidget* First() const;
  // In the order Tab takes them.
  QList<QWidget*> TabOrder() const;
  // The angle boxes whose range the window checks as the focus leaves them.
  QList<NumericField*> AngleBoxes() const;

 signals:
  // A box or a chooser changed: the preview is out of date.
  void edited();

 private:
  void ShowChoices();
  void Elide();

  QComboBox *cmbCurveSide, *cmbCurveSize, *cmbCurveAim, *cmbCurveQuadrant;
  NumericField *txtRadius, *txtCurveLength;
  NumericField *txtDeltaDegrees, *txtDeltaMinutes, *txtDeltaSeconds;
  NumericField *txtCurveDegrees, *txtCurveMinutes, *txtCurveSeconds;
  QCheckBox* chkMajor;
  QList<QWidget*> delta_widgets_, bearing_widgets_;
  QLabel* lblCurvePreview;
  QString preview_;
};

}  // namespace tw
