// The running log: append-only, written only through AppendLog.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tw {

// Where the log text goes. A sink only ever appends: what is logged is never
// rewritten, so an append costs the same however long the log already is.
class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void Append(std::string_view text) = 0;
  // False for a sink that throws the text away: a replot of a long list logs
  // one closure line per entry, which then need not be written at all.
  virtual bool KeepsText() const { return true; }
};

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
