#include "shell/window/entry_list_model.h"

#include "shell/window/cp1252.h"

namespace tw {

QModelIndex EntryListModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || row >= rows_ || column != 0 || parent.isValid())
    return {};
  return createIndex(row, 0);
}

int EntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !list_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return {};
  return FromCp1252(list_->At(static_cast<size_t>(index.row())));
}

void EntryListModel::Appended(const EntryList& list) {
  beginInsertRows(QModelIndex(), rows_, rows_);
  list_ = &list;
  ++rows_;
  endInsertRows();
}

void EntryListModel::RemovedLast() {
  if (rows_ == 0)
    return;
  beginRemoveRows(QModelIndex(), rows_ - 1, rows_ - 1);
  --rows_;
  endRemoveRows();
}

void EntryListModel::Replaced(const EntryList& list) {
  beginResetModel();
  list_ = &list;
  rows_ = static_cast<int>(list.Count());
  endResetModel();
}

void EntryListModel::ReplacedAt(const EntryList& list, size_t index) {
  list_ = &list;
  const QModelIndex changed = this->index(static_cast<int>(index));
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

}  // namespace tw
