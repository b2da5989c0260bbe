// The entries of the core's list as the rows of an item model. A row's text
// is read from the list when a view asks for it, so a list of a million
// entries holds no second copy of its texts and no item per entry.
#pragma once

#include <QAbstractListModel>

#include "boundary/entry_list.h"

namespace tw {

class EntryListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // The view asks for every row's index on each layout: no checks beyond
  // the range, no virtual calls.
  QModelIndex index(int row, int column = 0,
                    const QModelIndex& parent = QModelIndex()) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The list's changes, told after they happened (EntryListView).
  void Appended(const EntryList& list);
  void RemovedLast();
  void Replaced(const EntryList& list);
  void ReplacedAt(const EntryList& list, size_t index);

 private:
  // The list has already changed when it tells; the rows count what the
  // views were told, so that they see the change in its announced steps.
  const EntryList* list_ = nullptr;
  int rows_ = 0;
};

}  // namespace tw
