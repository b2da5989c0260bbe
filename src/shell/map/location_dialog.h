// File > Location...: where the boundary's start corner lies on the earth.
// The CRS's name and unit are shown once its code is typed, and a CRS whose
// unit is not of the list's family (feet or metres) is refused.
#pragma once

#include <QDialog>
#include <QTimer>
#include <optional>

#include "boundary/program_state.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tw {

class LocationDialog : public QDialog {
  Q_OBJECT

 public:
  // Filled from the state's location, or empty; the state must outlive it.
  LocationDialog(const ProgramState& state, QWidget* parent);

  // After Accepted: the new location, or none when the user removed it.
  const std::optional<Location>& chosen() const { return chosen_; }

 private:
  void Fill(const Location& location);
  void FrameChanged();
  void LookUpCrs();
  void UseGridCoordinates();
  void RemoveLocation();
  void TryAccept();
  // The location the fields give, or the message saying what is wrong.
  std::optional<Location> ReadFields(std::string& problem);
  bool UnitFits(int code, std::string& problem);

  const ProgramState& state_;
  std::optional<Location> chosen_;
  QComboBox* frame_;
  QLineEdit* code_;
  QLabel* crs_;
  QLabel* north_label_;
  QLabel* east_label_;
  QLineEdit* north_;
  QLineEdit* east_;
  QLineEdit* rotation_;
  QLineEdit* scale_;
  QLabel* problem_;
  QTimer look_up_;
};

}  // namespace tw
