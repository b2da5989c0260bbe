// The two tables of the closure dialog: the lines, with their adjusted
// values under a method, and the corners, adjusted under a method. Cells are formatted when
// shown, so that a 100,000-line boundary costs the rows on screen, not all.
#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "closure/closure_analysis.h"

namespace tw {

class ClosureTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum class Table { Lines, Corners };

  explicit ClosureTableModel(Table table, QObject* parent = nullptr);

  // Shows this analysis (null for none); the model keeps it alive.
  void Show(std::shared_ptr<const ClosureAnalysis> analysis);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The columns the table shows with an adjustment, its most.
  int MostColumns() const;

 private:
  const Adjustment* ShownAdjustment() const;
  const std::vector<PlanePoint>& Corners() const;
  QString LineCell(int row, int column) const;
  QString CornerCell(int row, int column) const;

  Table table_;
  std::shared_ptr<const ClosureAnalysis> analysis_;
  std::vector<PlanePoint> unadjusted_corners_;  // shown without an adjustment
};

}  // namespace tw
