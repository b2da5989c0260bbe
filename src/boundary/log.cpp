#include "boundary/log.h"

#include "boundary/numbers.h"

namespace tw {

void AppendLog(LogSink& log, std::string_view message, bool line_break) {
  std::string text(line_break ? "\r\n" : " ");
  text.append(message);
  log.Append(text);
}

void LogClosure(LogSink& log, double closure) {
  AppendLog(log, "Closure: " + LogPattern(closure), true);
}

void LogArea(LogSink& log, double area) {
  AppendLog(log, "Area: " + LogPattern(area), false);
}

}  // namespace tw
