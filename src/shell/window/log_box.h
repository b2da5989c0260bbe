// The running log TxtReport: a read-only text box that is only ever appended
// to.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <string_view>

#include "ports/log_sink.h"
#include "program/log_store.h"

class QTextLayout;

namespace tw {

// The text is held as Windows-1252 bytes (LogStore) and only the lines in
// view are laid out, each wrapped to the width, so a million closure lines
// cost their bytes and nothing per line. The scroll bar counts lines. A
// command's appends are shown when it ends (Flush); a flush is also queued
// on the first append, so text logged outside a command still shows. A flush
// scrolls to the end and drops the selection, as moving the caret to the end
// of a text box does. The user can select with the mouse (Shift+click
// extends, a double click takes a word) and copy with Ctrl+C or the context
// menu; copied lines are joined by "\n".
class LogBox : public QAbstractScrollArea, public LogSink {
  Q_OBJECT

 public:
  explicit LogBox(QWidget* parent = nullptr);

  void Append(std::string_view text) override;
  void Flush();

  // The whole text, lines joined by "\n" (a no-break space copies as a blank,
  // as from a text box).
  QString PlainText() const;
  void SelectAll();
  void Copy() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  static constexpr int kMargin = 4;  // around the text, as a text box has

  QString Text(size_t begin, size_t end) const;
  QString SelectedText() const;
  // Lays out the line starting at offset start to the width; its height.
  qreal LayOut(size_t start, QTextLayout& layout) const;
  qreal LineHeight(size_t line) const;
  void UpdateScrollRange();
  // Where a point of the viewport falls: the start of its line and the
  // offset of the nearest character boundary.
  struct Hit {
    size_t line_start;
    size_t offset;
  };
  Hit HitAt(QPoint pos) const;
  void Select(size_t anchor, size_t caret);

  LogStore store_;
  bool unshown_ = false;  // appended since the last flush
  size_t anchor_ = 0;     // the selection: anchor_ to caret_, either way
  size_t caret_ = 0;
  bool dragging_ = false;
};

}  // namespace tw
