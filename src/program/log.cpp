#include "program/log.h"

#include "base/numbers.h"

namespace tw {

void AppendLog(LogSink& log, std::string_view message, bool line_break) {
  std::string text(line_break ? "\r\n" : " ");
  text.append(message);
  log.Append(text);
}

void LogClosure(LogSink& log, double closure) {
  if (!log.KeepsText())
    return;
  // One closure line per redrawn entry: written on the stack, not in strings.
  constexpr std::string_view kLead = "\r\nClosure: ";
  char line[kLead.size() + kLogPatternMax];
  kLead.copy(line, kLead.size());
  const char* const end = WriteLogPattern(line + kLead.size(), closure);
  log.Append(std::string_view(line, static_cast<size_t>(end - line)));
}

void LogArea(LogSink& log, double area) {
  AppendLog(log, "Area: " + LogPattern(area), false);
}

}  // namespace tw
