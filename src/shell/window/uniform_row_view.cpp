#include "shell/window/uniform_row_view.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace tw {

UniformRowView::UniformRowView(QWidget* parent) : QAbstractItemView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int UniformRowView::Rows() const {
  return model() ? model()->rowCount(rootIndex()) : 0;
}

int UniformRowView::RowHeight() const {
  return std::max(1, row_size_.height());
}

int UniformRowView::PageRows() const {
  return std::max(1, viewport()->height() / RowHeight());
}

int UniformRowView::TopRow() const {
  return verticalScrollBar()->value();
}

int UniformRowView::RowAtY(int y) const {
  return TopRow() + (y < 0 ? -1 : y / RowHeight());
}

QModelIndex UniformRowView::Row(int row) const {
  return model()->index(row, 0, rootIndex());
}

void UniformRowView::RowsChanged() {
  updateGeometries();
  viewport()->update();
}

QRect UniformRowView::visualRect(const QModelIndex& index) const {
  if (!index.isValid())
    return {};
  const int width = std::max(row_size_.width(), viewport()->width());
  return {-horizontalOffset(), (index.row() - TopRow()) * RowHeight(), width, RowHeight()};
}

void UniformRowView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid())
    return;
  const int row = index.row();
  const int page = PageRows();
  int top = TopRow();
  switch (hint) {
    case PositionAtTop:
      top = row;
      break;
    case PositionAtBottom:
      top = row - page + 1;
      break;
    case PositionAtCenter:
      top = row - page / 2;
      break;
    case EnsureVisible:
      if (row < top)
        top = row;
      else if (row >= top + page)
        top = row - page + 1;
      break;
  }
  verticalScrollBar()->setValue(top);
}

QModelIndex UniformRowView::indexAt(const QPoint& point) const {
  const int row = RowAtY(point.y());
  return row >= 0 && row < Rows() ? Row(row) : QModelIndex();
}

QModelIndex UniformRowView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int rows = Rows();
  if (rows == 0)
    return {};
  const QModelIndex current = currentIndex();
  if (!current.isValid())
    return Row(0);
  int row = current.row();
  switch (action) {
    case MoveUp:
    case MovePrevious:
      --row;
      break;
    case MoveDown:
    case MoveNext:
      ++row;
      break;
    case MovePageUp:
      row -= PageRows();
      break;
    case MovePageDown:
      row += PageRows();
      break;
    case MoveHome:
      row = 0;
      break;
    case MoveEnd:
      row = rows - 1;
      break;
    case MoveLeft:
    case MoveRight:
      break;
  }
  return Row(std::clamp(row, 0, rows - 1));
}

int UniformRowView::horizontalOffset() const {
  return horizontalScrollBar()->value();
}

int UniformRowView::verticalOffset() const {
  return TopRow() * RowHeight();
}

bool UniformRowView::isIndexHidden(const QModelIndex&) const {
  return false;
}

void UniformRowView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect r = rect.normalized();
  const int first = std::max(0, RowAtY(r.top()));
  const int last = std::min(Rows() - 1, RowAtY(r.bottom()));
  QItemSelection rows;
  if (first <= last)
    rows.select(Row(first), Row(last));
  selectionModel()->select(rows, command);
}

QRegion UniformRowView::visualRegionForSelection(const QItemSelection& selection) const {
  // Only the rows on screen: a selection can span a million rows.
  const int shown_first = TopRow();
  const int shown_last = shown_first + PageRows();
  QRegion region;
  for (const QItemSelectionRange& range : selection) {
    const int first = std::max(range.top(), shown_first);
    const int last = std::min(range.bottom(), shown_last);
    if (first <= last)
      region += visualRect(Row(first)).united(visualRect(Row(last)));
  }
  return region;
}

void UniformRowView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QStyle::State base = option.state;
  const QModelIndex current = currentIndex();
  const QModelIndex hovered =
      viewport()->underMouse() ? indexAt(viewport()->mapFromGlobal(QCursor::pos())) : QModelIndex();
  const int first = std::max(0, RowAtY(event->rect().top()));
  const int last = std::min(Rows() - 1, RowAtY(event->rect().bottom()));
  for (int row = first; row <= last; ++row) {
    const QModelIndex index = Row(row);
    option.rect = visualRect(index);
    option.state = base;
    if (selectionModel()->isSelected(index))
      option.state |= QStyle::State_Selected;
    if (index == current && hasFocus())
      option.state |= QStyle::State_HasFocus;
    if (index == hovered)
      option.state |= QStyle::State_MouseOver;
    style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
    itemDelegateForIndex(index)->paint(&painter, option, index);
  }
}

void UniformRowView::updateGeometries() {
  row_size_ = QSize();
  if (Rows() > 0) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    row_size_ = itemDelegateForIndex(Row(0))->sizeHint(option, Row(0));
  }
  const int page = PageRows();
  verticalScrollBar()->setRange(0, std::max(0, Rows() - page));
  verticalScrollBar()->setPageStep(page);
  verticalScrollBar()->setSingleStep(1);
  const int width = viewport()->width();
  horizontalScrollBar()->setRange(0, std::max(0, row_size_.width() - width));
  horizontalScrollBar()->setPageStep(width);
  horizontalScrollBar()->setSingleStep(RowHeight());
  QAbstractItemView::updateGeometries();
}

void UniformRowView::scrollContentsBy(int /*dx*/, int /*dy*/) {
  viewport()->update();
}

}  // namespace tw
