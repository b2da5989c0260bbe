#include "shell/window/log_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <climits>

#include "shell/window/cp1252.h"

namespace tw {
namespace {

// A menu caption with its shortcut, as a text box's own menu shows it.
QString WithShortcut(const char* caption, QKeySequence::StandardKey key) {
  const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
  return shortcut.isEmpty() ? QString(caption) : QString(caption) + '\t' + shortcut;
}

bool InWord(QChar c) {
  return c.isLetterOrNumber() || c == u'.';
}

}  // namespace

LogBox::LogBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setCursor(Qt::IBeamCursor);
  verticalScrollBar()->setRange(0, 0);
}

void LogBox::Append(std::string_view text) {
  if (!unshown_)
    QMetaObject::invokeMethod(this, &LogBox::Flush, Qt::QueuedConnection);
  unshown_ = true;
  store_.Append(text);
}

void LogBox::Flush() {
  if (!unshown_)
    return;
  unshown_ = false;
  anchor_ = caret_ = store_.Size();
  UpdateScrollRange();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
}

QString LogBox::Text(size_t begin, size_t end) const {
  std::string bytes;
  store_.Read(begin, end, bytes);
  return FromCp1252(bytes).replace(QChar::Nbsp, u' ');
}

QString LogBox::PlainText() const {
  return Text(0, store_.Size());
}

QString LogBox::SelectedText() const {
  return Text(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

void LogBox::SelectAll() {
  Select(0, store_.Size());
}

void LogBox::Copy() const {
  if (anchor_ != caret_)
    QGuiApplication::clipboard()->setText(SelectedText());
}

void LogBox::Select(size_t anchor, size_t caret) {
  anchor_ = anchor;
  caret_ = caret;
  viewport()->update();
}

qreal LogBox::LayOut(size_t start, QTextLayout& layout) const {
  std::string bytes;
  store_.Read(start, store_.LineEnd(start), bytes);
  layout.setText(FromCp1252(bytes));
  layout.setFont(font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  const qreal width = std::max(1, viewport()->width() - 2 * kMargin);
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
    row.setLeadingIncluded(true);
    row.setLineWidth(width);
    row.setPosition(QPointF(0, height));
    height += row.height();
  }
  layout.endLayout();
  return height;
}

qreal LogBox::LineHeight(size_t line) const {
  QTextLayout layout;
  return LayOut(store_.LineStart(line), layout);
}

// The last line may be scrolled to the top only as far as the lines after it
// still fill the box: the bar's maximum is the first line of the last page.
void LogBox::UpdateScrollRange() {
  const qreal room = viewport()->height() - 2 * kMargin;
  size_t top = store_.LineCount() - 1;
  qreal used = LineHeight(top);
  while (top > 0) {
    const qreal height = LineHeight(top - 1);
    if (used + height > room)
      break;
    used += height;
    --top;
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(std::max(1, static_cast<int>(room / QFontMetricsF(font()).lineSpacing())));
  bar->setRange(0, static_cast<int>(std::min<size_t>(top, INT_MAX)));
}

void LogBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Text));
  const size_t from = std::min(anchor_, caret_);
  const size_t to = std::max(anchor_, caret_);
  // Without the focus the selection takes the inactive colours, as in a text box.
  const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
  QTextLayout::FormatRange selected;
  selected.format.setBackground(palette().brush(group, QPalette::Highlight));
  selected.format.setForeground(palette().brush(group, QPalette::HighlightedText));
  const auto top = static_cast<size_t>(verticalScrollBar()->value());
  size_t start = store_.LineStart(std::min(top, store_.LineCount() - 1));
  for (qreal y = kMargin; y < viewport()->height() && start <= store_.Size();) {
    QTextLayout layout;
    const qreal height = LayOut(start, layout);
    const size_t end = store_.LineEnd(start);
    QList<QTextLayout::FormatRange> selections;
    if (from < to && from < end && to > start) {
      selected.start = static_cast<int>(std::max(from, start) - start);
      selected.length = static_cast<int>(std::min(to, end) - start) - selected.start;
      selections.push_back(selected);
    }
    layout.draw(&painter, QPointF(kMargin, y), selections);
    y += height;
    start = end + 1;
  }
}

void LogBox::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange)
    UpdateScrollRange();
}

void LogBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  QScrollBar* bar = verticalScrollBar();
  const bool at_end = bar->value() == bar->maximum();
  UpdateScrollRange();
  if (at_end)
    bar->setValue(bar->maximum());
}

// The bar counts lines, not pixels: nothing to move, everything to repaint.
void LogBox::scrollContentsBy(int, int) {
  viewport()->update();
}

LogBox::Hit LogBox::HitAt(QPoint pos) const {
  const qreal at = std::clamp<qreal>(pos.y(), 0, viewport()->height());
  const auto top = static_cast<size_t>(verticalScrollBar()->value());
  size_t start = store_.LineStart(std::min(top, store_.LineCount() - 1));
  for (qreal y = kMargin;;) {
    QTextLayout layout;
    const qreal height = LayOut(start, layout);
    const size_t end = store_.LineEnd(start);
    if (at < y + height || end == store_.Size()) {
      int row = 0;
      while (row + 1 < layout.lineCount() && layout.lineAt(row).rect().bottom() <= at - y)
        ++row;
      if (layout.lineCount() == 0)
        return {start, start};
      const int column = layout.lineAt(row).xToCursor(pos.x() - kMargin);
      return {start, start + static_cast<size_t>(column)};
    }
    y += height;
    start = end + 1;
  }
}

void LogBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const size_t at = HitAt(event->position().toPoint()).offset;
  Select(event->modifiers() & Qt::ShiftModifier ? anchor_ : at, at);
  dragging_ = true;
}

// Dragging past the top or bottom edge scrolls a line a move.
void LogBox::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton))
    return;
  const QPoint pos = event->position().toPoint();
  if (pos.y() < 0)
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  else if (pos.y() > viewport()->height())
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  Select(anchor_, HitAt(pos).offset);
}

// What the mouse selected is also offered where the desktop has a selection
// clipboard (middle-click paste).
void LogBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_)
    return;
  dragging_ = false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (anchor_ != caret_ && clipboard->supportsSelection())
    clipboard->setText(SelectedText(), QClipboard::Selection);
}

void LogBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton)
    return;
  const Hit hit = HitAt(event->position().toPoint());
  const QString line = Text(hit.line_start, store_.LineEnd(hit.line_start));
  auto begin = static_cast<qsizetype>(hit.offset - hit.line_start);
  qsizetype end = begin;
  while (begin > 0 && InWord(line[begin - 1]))
    --begin;
  while (end < line.size() && InWord(line[end]))
    ++end;
  Select(hit.line_start + static_cast<size_t>(begin), hit.line_start + static_cast<size_t>(end));
  dragging_ = true;
}

void LogBox::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  if (event == QKeySequence::Copy)
    Copy();
  else if (event == QKeySequence::SelectAll)
    SelectAll();
  else if (event == QKeySequence::MoveToStartOfDocument)
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
  else if (event == QKeySequence::MoveToEndOfDocument)
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
  else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ShiftModifier)
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  else
    QAbstractScrollArea::keyPressEvent(event);  // pages and lines, or not ours
}

void LogBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy =
      menu.addAction(WithShortcut("&Copy", QKeySequence::Copy), this, [this] { Copy(); });
  copy->setEnabled(anchor_ != caret_);
  menu.addSeparator();
  QAction* all = menu.addAction(WithShortcut("Select All", QKeySequence::SelectAll), this,
                                [this] { SelectAll(); });
  all->setEnabled(store_.Size() > 0);
  menu.exec(event->globalPos());
}

}  // namespace tw
