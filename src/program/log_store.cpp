#include "program/log_store.h"

#include <algorithm>
#include <cstring>

namespace tw {

LogStore::LogStore() : marks_{0} {}

void LogStore::Append(std::string_view text) {
  bool after_cr = after_cr_;
  size_t run = 0;  // start of the bytes not yet put
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      after_cr = false;
      continue;
    }
    Put(text.data() + run, i - run);
    run = i + 1;
    if (c == '\r' || !after_cr)
      Break();
    after_cr = c == '\r';
  }
  Put(text.data() + run, text.size() - run);
  after_cr_ = after_cr;
}

void LogStore::Put(const char* bytes, size_t count) {
  while (count > 0) {
    const size_t used = size_ % kBlockBytes;
    if (used == 0 && size_ / kBlockBytes == blocks_.size())
      blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
    const size_t step = std::min(count, kBlockBytes - used);
    std::memcpy(blocks_[size_ / kBlockBytes].get() + used, bytes, step);
    size_ += step;
    bytes += step;
    count -= step;
  }
}

void LogStore::Break() {
  Put("\n", 1);
  if (lines_ % kLinesPerMark == 0)
    marks_.push_back(size_);
  ++lines_;
}

size_t LogStore::LineEnd(size_t offset) const {
  while (offset < size_) {
    const char* block = blocks_[offset / kBlockBytes].get();
    const size_t from = offset % kBlockBytes;
    const size_t to = std::min(kBlockBytes, from + (size_ - offset));
    if (const void* hit = std::memchr(block + from, '\n', to - from))
      return offset + static_cast<size_t>(static_cast<const char*>(hit) - (block + from));
    offset += to - from;
  }
  return size_;
}

size_t LogStore::LineStart(size_t line) const {
  size_t offset = marks_[line / kLinesPerMark];
  for (size_t skip = line % kLinesPerMark; skip > 0; --skip)
    offset = LineEnd(offset) + 1;
  return offset;
}

void LogStore::Read(size_t begin, size_t end, std::string& out) const {
  while (begin < end) {
    const size_t from = begin % kBlockBytes;
    const size_t step = std::min(end - begin, kBlockBytes - from);
    out.append(blocks_[begin / kBlockBytes].get() + from, step);
    begin += step;
  }
}

size_t LogStore::HeldBytes() const {
  return blocks_.size() * kBlockBytes + blocks_.capacity() * sizeof(blocks_[0]) +
         marks_.capacity() * sizeof(size_t);
}

}  // namespace tw
