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
  logged_.append(text);
  pending_.append(text);
}

void LogBox::Flush() {
  if (pending_.empty())
    return;
  // A text box line break is CR LF; the document wants one "\n" per break
  // (a lone "\r" would make a second, empty line).
  std::string lines;
  lines.reserve(pending_.size());
  for (size_t i = 0; i < pending_.size(); ++i) {
    if (pending_[i] == '\r' && i + 1 < pending_.size() && pending_[i + 1] == '\n')
      continue;
    lines.push_back(pending_[i] == '\r' ? '\n' : pending_[i]);
  }
  pending_.clear();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(FromCp1252(lines));
  moveCursor(QTextCursor::End);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace tw
