// The log port: where the running log's text goes.
#pragma once

#include <string_view>

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

// For runs whose log nobody reads (the batch tools, fuzzing, benchmarks): a
// replot of 100,000 entries then formats none of its closure lines.
class NullLog : public LogSink {
 public:
  void Append(std::string_view) override {}
  bool KeepsText() const override { return false; }
};

}  // namespace tw
