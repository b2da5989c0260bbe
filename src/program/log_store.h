// The running log's text held compactly: Windows-1252 bytes, one a character,
// in blocks that never move, and the start of every 64th line.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The text is stored with one '\n' between lines, so a span of offsets is
// the text a selection copies. An append costs only its own bytes, however
// much the log holds: a full block is never copied, and the line index gains
// one offset per kLinesPerMark lines.
class LogStore {
 public:
  LogStore();

  // CR LF, a lone CR and a lone LF each end the current line; a CR LF split
  // across two appends ends one line. Text without a break continues the
  // current line.
  void Append(std::string_view text);

  size_t Size() const { return size_; }        // bytes, the '\n' between lines included
  size_t LineCount() const { return lines_; }  // 1 for an empty store
  // Offset of the first byte of line (0-based, below LineCount()).
  size_t LineStart(size_t line) const;
  // Offset of the '\n' at or after offset, or Size() on the last line.
  size_t LineEnd(size_t offset) const;
  // Bytes [begin, end), begin <= end <= Size(), added to out.
  void Read(size_t begin, size_t end, std::string& out) const;
  // What the store takes from the heap: its blocks and its index.
  size_t HeldBytes() const;

  static constexpr size_t kBlockBytes = size_t{1} << 16;
  static constexpr size_t kLinesPerMark = 64;

 private:
  void Put(const char* bytes, size_t count);
  void Break();

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<size_t> marks_;  // marks_[i]: start of line i * kLinesPerMark
  size_t size_ = 0;
  size_t lines_ = 1;
  bool after_cr_ = false;
};

}  // namespace tw
