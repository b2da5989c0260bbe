// The running log: append-only, written only through AppendLog.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "ports/log_sink.h"

namespace tw {

// A log held in a string (Windows-1252 bytes): the batch tool's and the tests'.
class StringLog : public LogSink {
 public:
  void Append(std::string_view text) override { text_.append(text); }
  const std::string& Text() const { return text_; }
  // The text handed over whole, not copied: a long list's log is large.
  std::string TakeText() { return std::move(text_); }

 private:
  std::string text_;
};

// Adds the message after CR LF (line_break) or after one blank, even when the
// log is empty.
void AppendLog(LogSink& log, std::string_view message, bool line_break);

// "Closure: " and the closure in the log's number pattern, on a new line.
void LogClosure(LogSink& log, double closure);

// " Area: " and the area in the log's number pattern, on the current line.
void LogArea(LogSink& log, double area);

}  // namespace tw
