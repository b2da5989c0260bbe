// The running log TxtReport: a read-only text box that is only ever appended
// to.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

#include "boundary/log.h"

namespace tw {

// Appends are gathered and inserted at the end as one block when a command
// ends (Flush), since inserting 100,000 lines one by one costs seconds and as
// one block a fraction of one. A flush is also queued on the first append, so
// text logged outside a command still shows. The existing text is never
// rewritten, and the box scrolls to the end.
class LogBox : public QPlainTextEdit, public LogSink {
  Q_OBJECT

 public:
  explicit LogBox(QWidget* parent = nullptr);

  void Append(std::string_view text) override;
  void Flush();

  // Everything logged, in Windows-1252 with its CR LF line breaks.
  const std::string& LoggedText() const { return logged_; }

 private:
  std::string logged_;
  std::string pending_;
};

}  // namespace tw
