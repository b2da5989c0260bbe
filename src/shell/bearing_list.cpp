#include "shell/bearing_list.h"

#include <QFocusEvent>
#include <QStringList>

#include "shell/cp1252.h"
#include "shell/focus_rules.h"

namespace tw {

BearingList::BearingList(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void BearingList::Appended(const EntryList& list) {
  addItem(FromCp1252(list.At(list.Count() - 1)));
}

void BearingList::RemovedLast() {
  delete takeItem(count() - 1);
}

void BearingList::Replaced(const EntryList& list) {
  clear();
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(list.Count()));
  for (size_t i = 0; i < list.Count(); ++i)
    texts.append(FromCp1252(list.At(i)));
  addItems(texts);
}

void BearingList::ReplacedAt(const EntryList& list, size_t index) {
  item(static_cast<int>(index))->setText(FromCp1252(list.At(index)));
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
  if (selection_ && *selection_ < static_cast<size_t>(count())) {
    setCurrentRow(static_cast<int>(*selection_));
  } else {
    clearSelection();
    setCurrentRow(-1);
  }
}

void BearingList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  if (FocusMovesWithinWindow(this, event->reason()))
    emit validate();
}

}  // namespace tw
