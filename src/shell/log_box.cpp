#include "shell/log_box.h"

#include <QScrollBar>
#include <QTextCursor>

#include "shell/cp1252.h"

namespace tw {

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void LogBox::Append(std::string_view text) {
  if (pending_.empty())
    QMetaObject::invokeMethod(this, &LogBox::Flush, Qt::QueuedConnection);
  pending_.append(text);
}

void LogBox::Flush() {
  if (pending_.empty())
    return;
  lines_.resize(0);
  for (size_t i = 0; i < pending_.size(); ++i) {
    const char c = pending_[i];
    if (c == '\r' && i + 1 < pending_.size() && pending_[i + 1] == '\n')
      continue;
    if (c != '\r' && c != '\n') {
      // Texts are Windows-1252: only bytes from 0x80 need the table.
      if (static_cast<unsigned char>(c) < 0x80)
        lines_.append(QChar(c));
      else
        lines_.append(FromCp1252(std::string_view(&pending_[i], 1)));
      continue;
    }
    // A document block per line costs half a second per 100,000 lines; a
    // block of many lines split by line separators costs a fiftieth of it
    // and shows and copies the same.
    if (++lines_in_block_ < kLinesPerBlock) {
      lines_.append(QChar::LineSeparator);
    } else {
      lines_.append(u'\n');
      lines_in_block_ = 0;
    }
  }
  pending_.clear();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(lines_);
  moveCursor(QTextCursor::End);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace tw
