// The entry texts of a list, held compactly: one buffer of all their bytes
// and where each ends. A million entries of some 25 bytes take some 33 MB,
// where a string each would take three times that, and reading them in
// order walks memory in order.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

class EntryTexts {
 public:
  // Yields each entry as a view into the buffer, valid until the texts change.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    Iterator() = default;
    Iterator(const EntryTexts* texts, size_t index) : texts_(texts), index_(index) {}
    std::string_view operator*() const { return (*texts_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const EntryTexts* texts_ = nullptr;
    size_t index_ = 0;
  };
  using value_type = std::string_view;
  using iterator = Iterator;
  using const_iterator = Iterator;

  EntryTexts() = default;
  EntryTexts(const EntryTexts&) = default;
  EntryTexts(EntryTexts&&) noexcept = default;
  EntryTexts& operator=(const EntryTexts&) = default;
  // Takes the other's buffers and hands it this one's, to go with it: a
  // string's own move keeps its buffer when the other's text is short, so
  // clearing a list of a million entries would free nothing.
  EntryTexts& operator=(EntryTexts&& other) noexcept {
    text_.swap(other.text_);
    ends_.swap(other.ends_);
    return *this;
  }
  EntryTexts(std::initializer_list<std::string_view> texts);
  // Implicit, so that a test or a bench can hand over a list it wrote out.
  EntryTexts(const std::vector<std::string>& texts);  // NOLINT(google-explicit-constructor)

  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  // The bytes of all entries together.
  size_t text_size() const { return text_.size(); }
  std::string_view operator[](size_t i) const {
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_.data() + begin, ends_[i] - begin);
  }
  std::string_view back() const { return (*this)[size() - 1]; }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

  // Room for `count` entries of `bytes` bytes together, so that a reader who
  // knows the sizes builds the texts without a copy.
  void reserve(size_t count, size_t bytes);
  void push_back(std::string_view entry);
  void pop_back();
  void clear();
  // Puts `entry` in place of entry i (< size()); the entries after it move
  // when its length changes, which a correction seldom needs.
  void replace(size_t i, std::string_view entry);

  friend bool operator==(const EntryTexts& a, const EntryTexts& b) {
    return a.ends_ == b.ends_ && a.text_ == b.text_;
  }

 private:
  std::string text_;
  std::vector<size_t> ends_;  // entry i is text_[ends_[i - 1], ends_[i])
};

}  // namespace tw
