#include "shell/window/curve_strip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>

#include "geometry/bearing.h"
#include "shell/window/cp1252.h"
#include "shell/window/numeric_field.h"
#include "shell/window/window_layout.h"

namespace tw {
namespace {

constexpr int kRowHeight = 375;  // twips, as the strip's own row
constexpr int kBoxTop = 60;
constexpr int kGap = 4;  // pixels between neighbours in a row

// Puts each control of a row right after the one before it.
class Row {
 public:
  Row(QFrame* rows, int index) : rows_(rows), top_(index * kRowHeight + kBoxTop) {}

  QComboBox* Chooser(const char* name, const QStringList& items, int width) {
    auto* box = new QComboBox(rows_);
    box->setObjectName(name);
    box->addItems(items);
    return Place(box, width, 315);
  }
  NumericField* Box(const char* name, int width) {
    auto* box = new NumericField(rows_);
    box->setObjectName(name);
    return Place(box, width, 285);
  }
  // A caption reads close to its box: half the gap.
  QLabel* Caption(const char* name, const QString& text) {
    auto* label = new QLabel(text, rows_);
    label->setObjectName(name);
    label->adjustSize();
    label->move(left_ - kGap / 2, Pixels(top_ + 60));
    left_ += label->width();
    return label;
  }
  QCheckBox* Check(const char* name, const QString& text) {
    auto* box = new QCheckBox(text, rows_);
    box->setObjectName(name);
    box->adjustSize();
    return Place(box, box->width() * kTwipsPerPixel, 285);
  }
  // The next control goes where the one at `left` pixels was.
  void Back(int left) { left_ = left; }
  int Left() const { return left_; }

 private:
  template <class W>
  W* Place(W* w, int width_twips, int height_twips) {
    w->setGeometry(left_, Pixels(top_), Pixels(width_twips), Pixels(height_twips));
    left_ += w->width() + kGap;
    return w;
  }

  QFrame* rows_;
  int top_;
  int left_ = 0;
};

std::string Text(const NumericField* box) {
  return ToCp1252(box->text());
}

void SetText(NumericField* box, const std::string& text) {
  const QString shown = FromCp1252(text);
  if (box->text() != shown)
    box->setText(shown);
}

}  // namespace

CurveStrip::CurveStrip(QFrame* rows, QFrame* line_row) : QObject(rows) {
  const QString degree(QChar(0xB0));
  // The choosers list their choices in the order of the enums they stand for.
  Row size(rows, 0);
  cmbCurveSide = size.Chooser("cmbCurveSide", {"Right", "Left"}, 855);
  size.Caption("lblRadius", "Radius");
  txtRadius = size.Box("txtRadius", 855);
  cmbCurveSize = size.Chooser("cmbCurveSize", {"Arc", "Delta", "Chord"}, 960);
  const int size_box = size.Left();
  txtCurveLength = size.Box("txtCurveLength", 855);
  chkMajor = size.Check("chkMajor", "Major arc");
  chkMajor->setToolTip("The longer of the two arcs on the chord");
  size.Back(size_box);
  txtDeltaDegrees = size.Box("txtDeltaDegrees", 555);
  QLabel* d = size.Caption("lblDeltaDegrees", degree);
  txtDeltaMinutes = size.Box("txtDeltaMinutes", 495);
  QLabel* m = size.Caption("lblDeltaMinutes", "'");
  txtDeltaSeconds = size.Box("txtDeltaSeconds", 495);
  QLabel* s = size.Caption("lblDeltaSeconds", "\"");

  Row aim(rows, 1);
  cmbCurveAim = aim.Chooser("cmbCurveAim", {"Tangent", "Chord bearing", "Radial bearing"}, 1695);
  cmbCurveQuadrant = aim.Chooser("cmbCurveQuadrant", {}, 735);
  for (std::string_view quadrant : kQuadrants)
    cmbCurveQuadrant->addItem(FromCp1252(quadrant));
  txtCurveDegrees = aim.Box("txtCurveDegrees", 495);
  QLabel* bd = aim.Caption("lblCurveDegrees", degree);
  txtCurveMinutes = aim.Box("txtCurveMinutes", 495);
  QLabel* bm = aim.Caption("lblCurveMinutes", "'");
  txtCurveSeconds = aim.Box("txtCurveSeconds", 495);
  QLabel* bs = aim.Caption("lblCurveSeconds", "\"");
  delta_widgets_ = {txtDeltaDegrees, d, txtDeltaMinutes, m, txtDeltaSeconds, s};
  bearing_widgets_ = {
      cmbCurveQuadrant, txtCurveDegrees, bd, txtCurveMinutes, bm, txtCurveSeconds, bs};

  lblCurvePreview = new QLabel(line_row);
  lblCurvePreview->setObjectName("lblCurvePreview");
  lblCurvePreview->setVisible(false);

  cmbCurveSize->setCurrentIndex(static_cast<int>(CurveSize::Delta));
  for (QComboBox* chooser : {cmbCurveSide, cmbCurveSize, cmbCurveAim, cmbCurveQuadrant})
    connect(chooser, &QComboBox::currentIndexChanged, this, [this] {
      ShowChoices();
      emit edited();
    });
  for (NumericField* box : {txtRadius, txtCurveLength, txtDeltaDegrees, txtDeltaMinutes,
                            txtDeltaSeconds, txtCurveDegrees, txtCurveMinutes, txtCurveSeconds})
    connect(box, &QLineEdit::textChanged, this, &CurveStrip::edited);
  connect(chkMajor, &QCheckBox::toggled, this, &CurveStrip::edited);
  ShowChoices();
}

// Only the boxes the chosen size and direction need are shown; the major
// arc is a choice of a chord alone.
void CurveStrip::ShowChoices() {
  const auto size = static_cast<CurveSize>(cmbCurveSize->currentIndex());
  for (QWidget* w : delta_widgets_)
    w->setVisible(size == CurveSize::Delta);
  txtCurveLength->setVisible(size != CurveSize::Delta);
  chkMajor->setVisible(size == CurveSize::Chord);
  const bool bearing = cmbCurveAim->currentIndex() != static_cast<int>(CurveAim::Tangent);
  for (QWidget* w : bearing_widgets_)
    w->setVisible(bearing);
}

CurveFields CurveStrip::Read() const {
  CurveFields f;
  f.side = static_cast<CurveSide>(cmbCurveSide->currentIndex());
  f.radius = Text(txtRadius);
  f.size = static_cast<CurveSize>(cmbCurveSize->currentIndex());
  f.length = Text(txtCurveLength);
  f.delta_degrees = Text(txtDeltaDegrees);
  f.delta_minutes = Text(txtDeltaMinutes);
  f.delta_seconds = Text(txtDeltaSeconds);
  f.major = chkMajor->isChecked();
  f.aim = static_cast<CurveAim>(cmbCurveAim->currentIndex());
  f.quadrant = ToCp1252(cmbCurveQuadrant->currentText());
  f.degrees = Text(txtCurveDegrees);
  f.minutes = Text(txtCurveMinutes);
  f.seconds = Text(txtCurveSeconds);
  return f;
}

void CurveStrip::WriteBoxes(const CurveFields& f) {
  SetText(txtRadius, f.radius);
  SetText(txtCurveLength, f.length);
  SetText(txtDeltaDegrees, f.delta_degrees);
  SetText(txtDeltaMinutes, f.delta_minutes);
  SetText(txtDeltaSeconds, f.delta_seconds);
  SetText(txtCurveDegrees, f.degrees);
  SetText(txtCurveMinutes, f.minutes);
  SetText(txtCurveSeconds, f.seconds);
}

void CurveStrip::ShowPreview(const std::string& text) {
  preview_ = FromCp1252(text);
  Elide();
}

void CurveStrip::Elide() {
  const QFontMetrics metrics(lblCurvePreview->font());
  const QString shown = metrics.elidedText(preview_, Qt::ElideRight, lblCurvePreview->width());
  lblCurvePreview->setText(shown);
  lblCurvePreview->setToolTip(shown == preview_ ? QString() : preview_);
}

void CurveStrip::PlacePreview(int right) {
  lblCurvePreview->setGeometry(QRect(Pixels(60), Pixels(kBoxTop), right - Pixels(60), Pixels(285)));
  Elide();
}

void CurveStrip::SetPreviewShown(bool shown) {
  lblCurvePreview->setVisible(shown);
}

QWidget* CurveStrip::First() const {
  return cmbCurveSide;
}

QList<QWidget*> CurveStrip::TabOrder() const {
  return {cmbCurveSide,    txtRadius,       cmbCurveSize, txtCurveLength,   txtDeltaDegrees,
          txtDeltaMinutes, txtDeltaSeconds, cmbCurveAim,  cmbCurveQuadrant, txtCurveDegrees,
          txtCurveMinutes, txtCurveSeconds, chkMajor};
}

QList<NumericField*> CurveStrip::AngleBoxes() const {
  return {txtDeltaDegrees, txtDeltaMinutes, txtDeltaSeconds,
          txtCurveDegrees, txtCurveMinutes, txtCurveSeconds};
}

}  // namespace tw
