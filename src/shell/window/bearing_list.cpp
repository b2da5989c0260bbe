#include "shell/window/bearing_list.h"

#include <QFocusEvent>

#include "shell/window/focus_rules.h"

namespace tw {

BearingList::BearingList(QWidget* parent)
    : UniformRowView(parent), rows_(new EntryListModel(this)) {
  setModel(rows_);
}

void BearingList::Appended(const EntryList& list) {
  rows_->Appended(list);
  RowsChanged();
}

void BearingList::RemovedLast() {
  rows_->RemovedLast();
  RowsChanged();
}

void BearingList::Replaced(const EntryList& list) {
  rows_->Replaced(list);
  RowsChanged();
}

void BearingList::ReplacedAt(const EntryList& list, size_t index) {
  rows_->ReplacedAt(list, index);
  RowsChanged();
}

void BearingList::SelectionChanged(std::optional<size_t> index) {
  if (!selection_pending_)
    QMetaObject::invokeMethod(this, &BearingList::ApplySelection, Qt::QueuedConnection);
  selection_ = index;
  selection_pending_ = true;
}

void BearingList::ApplySelection() {
  if (!selection_pending_)
    return;
  selection_pending_ = false;
  QModelIndex row;
  if (selection_ && *selection_ < static_cast<size_t>(rows_->rowCount()))
    row = rows_->index(static_cast<int>(*selection_));
  // An invalid row clears the selection and the current row.
  selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
}

void BearingList::focusOutEvent(QFocusEvent* event) {
  UniformRowView::focusOutEvent(event);
  if (FocusMovesWithinWindow(this, event->reason()))
    emit validate();
}

}  // namespace tw
