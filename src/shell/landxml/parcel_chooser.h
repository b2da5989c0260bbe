// The parcels of a LandXML file, one row each (name, area, segments, open or
// closed), to choose the one to import.
#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "landxml/landxml_commands.h"

class QTableWidget;

namespace tw {

class ParcelChooser : public QDialog {
  Q_OBJECT

 public:
  ParcelChooser(const std::vector<ParcelRow>& rows, QWidget* parent = nullptr);

  // The chosen row, once accepted.
  std::optional<size_t> Chosen() const;

  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_;
};

}  // namespace tw
