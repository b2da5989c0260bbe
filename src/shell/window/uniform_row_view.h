// A list view whose rows all have the height of the first: where a row is
// follows from its number, so a change costs the rows shown, not the rows
// held. (A list view that places every row itself takes tens of
// milliseconds per change at a million rows.)
#pragma once

#include <QAbstractItemView>

namespace tw {

class UniformRowView : public QAbstractItemView {
  Q_OBJECT

 public:
  explicit UniformRowView(QWidget* parent = nullptr);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;

 protected:
  // The rows changed: the scroll range and the picture follow.
  void RowsChanged();

  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex& index) const override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void paintEvent(QPaintEvent* event) override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int Rows() const;
  int RowHeight() const;
  // The rows that fit wholly in the viewport, at least one.
  int PageRows() const;
  int TopRow() const;
  // The row at a viewport y (may be past the last row).
  int RowAtY(int y) const;
  QModelIndex Row(int row) const;

  QSize row_size_;  // the first row's, for every row
};

}  // namespace tw
