// The two tables of the closure dialog: the lines, with their adjusted
// values under a method, and the adjusted corners. Cells are formatted when
// shown, so that a 100,000-line boundary costs the rows on screen, not all.
#pragma once

#include <QAbstractTableModel>
#include <memory>

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

 private:
  const Adjustment* ShownAdjustment() const;
  QString LineCell(int row, int column) const;
  QString CornerCell(int row, int column) const;

  Table table_;
  std::shared_ptr<const ClosureAnalysis> analysis_;
};

}  // namespace tw
