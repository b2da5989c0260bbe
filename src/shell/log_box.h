// The running log TxtReport: a read-only text box that is only ever appended
// to.
#pragma once

#include <QPlainTextEdit>
#include <string_view>

#include "boundary/log.h"

namespace tw {

// Appends are gathered and inserted at the end as one block when a command
// ends (Flush), since inserting 100,000 lines one by one costs seconds and as
// one block a fraction of one. A flush is also queued on the first append, so
// text logged outside a command still shows. The existing text is never
// rewritten, and the box scrolls to the end. Lines are grouped into document
// blocks of kLinesPerBlock, which the box shows as separate lines.
class LogBox : public QPlainTextEdit, public LogSink {
  Q_OBJECT

 public:
  explicit LogBox(QWidget* parent = nullptr);

  void Append(std::string_view text) override;
  void Flush();

 private:
  static constexpr int kLinesPerBlock = 32;

  std::string pending_;
  QString lines_;  // kept between flushes for its capacity
  int lines_in_block_ = 0;
};

}  // namespace tw
