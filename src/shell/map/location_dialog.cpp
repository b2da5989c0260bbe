#include "shell/map/location_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/numbers.h"
#include "base/signed_angle.h"
#include "map/map_boundary.h"
#include "shell/map/map_program.h"

namespace tw {
namespace {

QString Plain(double v) {
  return QString::fromStdString(PlainForm(v));
}

std::optional<int> EpsgCode(const QString& text) {
  bool ok = false;
  const int code = text.trimmed().toInt(&ok);
  return ok && code > 0 ? std::optional<int>(code) : std::nullopt;
}

}  // namespace

LocationDialog::LocationDialog(const ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("frmLocation");
  setWindowTitle("Location");
  frame_ = new QComboBox(this);
  frame_->setObjectName("cmbFrame");
  frame_->addItems(
      {"Grid coordinates of an EPSG coordinate reference system", "WGS 84 latitude and longitude"});
  code_ = new QLineEdit(this);
  code_->setObjectName("txtEpsg");
  code_->setPlaceholderText("for example 2248 or 32618");
  crs_ = new QLabel(this);
  crs_->setObjectName("lblCrs");
  crs_->setWordWrap(true);
  north_ = new QLineEdit(this);
  north_->setObjectName("txtNorth");
  east_ = new QLineEdit(this);
  east_->setObjectName("txtEast");
  rotation_ = new QLineEdit("0", this);
  rotation_->setObjectName("txtRotation");
  rotation_->setPlaceholderText("+0-12-30 or +0.208333");
  scale_ = new QLineEdit("1", this);
  scale_->setObjectName("txtScale");
  problem_ = new QLabel(this);
  problem_->setObjectName("lblProblem");
  problem_->setWordWrap(true);
  north_label_ = new QLabel(this);
  east_label_ = new QLabel(this);

  auto* form = new QFormLayout;
  form->addRow("Start corner in", frame_);
  form->addRow("EPSG code", code_);
  form->addRow("", crs_);
  form->addRow(north_label_, north_);
  form->addRow(east_label_, east_);
  form->addRow("Rotation to grid north (degrees, + clockwise)", rotation_);
  form->addRow("Grid scale factor", scale_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* grid = buttons->addButton("List in grid coordinates", QDialogButtonBox::ActionRole);
  grid->setObjectName("cmdGrid");
  QPushButton* remove = buttons->addButton("No location", QDialogButtonBox::ResetRole);
  remove->setObjectName("cmdNoLocation");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons);

  look_up_.setSingleShot(true);
  look_up_.setInterval(300);
  connect(&look_up_, &QTimer::timeout, this, &LocationDialog::LookUpCrs);
  connect(code_, &QLineEdit::textEdited, this, [this] { look_up_.start(); });
  connect(frame_, &QComboBox::currentIndexChanged, this, &LocationDialog::FrameChanged);
  connect(grid, &QPushButton::clicked, this, &LocationDialog::UseGridCoordinates);
  connect(remove, &QPushButton::clicked, this, &LocationDialog::RemoveLocation);
  connect(buttons, &QDialogButtonBox::accepted, this, &LocationDialog::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (state.location)
    Fill(*state.location);
  FrameChanged();
}

void LocationDialog::Fill(const Location& l) {
  frame_->setCurrentIndex(l.epsg == 0 ? 1 : 0);
  code_->setText(l.epsg ? QString::number(l.epsg) : QString());
  north_->setText(Plain(l.north));
  east_->setText(Plain(l.east));
  rotation_->setText(Plain(l.rotation));
  scale_->setText(Plain(l.scale));
  if (l.epsg)
    LookUpCrs();
}

void LocationDialog::FrameChanged() {
  const bool epsg = frame_->currentIndex() == 0;
  code_->setEnabled(epsg);
  crs_->setVisible(epsg);
  north_label_->setText(epsg ? "Start corner's northing N" : "Start corner's latitude");
  east_label_->setText(epsg ? "Start corner's easting E" : "Start corner's longitude");
}

void LocationDialog::LookUpCrs() {
  const std::optional<int> code = EpsgCode(code_->text());
  if (!code) {
    crs_->clear();
    return;
  }
  std::string reason;
  const std::optional<CrsReply> crs = DescribeCrs(*code, reason);
  crs_->setText(crs ? QString::fromStdString(crs->name + "\nunit: " + crs->unit)
                    : QString::fromStdString(reason));
}

// A list already in grid coordinates is its own grid: the identity.
void LocationDialog::UseGridCoordinates() {
  frame_->setCurrentIndex(0);
  north_->setText(Plain(state_.FirstPointY));
  east_->setText(Plain(state_.FirstPointX));
  rotation_->setText("0");
  scale_->setText("1");
}

void LocationDialog::RemoveLocation() {
  chosen_.reset();
  accept();
}

std::optional<Location> LocationDialog::ReadFields(std::string& problem) {
  const bool epsg = frame_->currentIndex() == 0;
  const std::optional<int> code = EpsgCode(code_->text());
  if (epsg && !code) {
    problem = "The EPSG code is a whole number above 0.";
    return std::nullopt;
  }
  const std::string place = (epsg ? "EPSG:" + std::to_string(*code) : std::string("WGS84")) + " " +
                            north_->text().toStdString() + " " + east_->text().toStdString();
  Result<Location> read = ReadPlaceText(place);
  if (!read) {
    problem = "The start corner cannot be read: " + read.error() + ".";
    return std::nullopt;
  }
  Location l = *read;
  const std::optional<double> rotation = ReadSignedAngle(rotation_->text().toStdString());
  const std::optional<double> scale = ConvertStrict(scale_->text().toStdString());
  if (!rotation || !scale || !(*scale > 0)) {
    problem = "The rotation is +D-M-S or +D.DDDD degrees, the scale factor a number above 0.";
    return std::nullopt;
  }
  l.rotation = *rotation;
  l.scale = *scale;
  return l;
}

bool LocationDialog::UnitFits(int code, std::string& problem) {
  std::string reason;
  const std::optional<CrsReply> crs = DescribeCrs(code, reason);
  if (!crs) {
    problem = reason;
    return false;
  }
  const std::optional<bool> feet = IsFootList(state_.UnitAbbrev);
  if (feet && *feet == (crs->family == "foot") && (*feet || crs->family == "metre"))
    return true;
  problem = "EPSG:" + std::to_string(code) + " (" + crs->name + ") is in " + crs->unit +
            " units; the list is in " +
            (feet ? (*feet ? "feet." : "metres.") : "neither feet nor metres.");
  return false;
}

void LocationDialog::TryAccept() {
  std::string problem;
  std::optional<Location> l = ReadFields(problem);
  if (l && l->epsg != 0 && !UnitFits(l->epsg, problem))
    l.reset();
  if (!l) {
    problem_->setText(QString::fromStdString(problem));
    return;
  }
  chosen_ = l;
  accept();
}

}  // namespace tw
