#include "boundary/entry_texts.h"

namespace tw {

namespace {

template <class Texts>
void Fill(EntryTexts& into, const Texts& texts) {
  size_t bytes = 0;
  for (std::string_view t : texts)
    bytes += t.size();
  into.reserve(texts.size(), bytes);
  for (std::string_view t : texts)
    into.push_back(t);
}

}  // namespace

EntryTexts::EntryTexts(std::initializer_list<std::string_view> texts) {
  Fill(*this, texts);
}

EntryTexts::EntryTexts(const std::vector<std::string>& texts) {
  Fill(*this, texts);
}

void EntryTexts::reserve(size_t count, size_t bytes) {
  ends_.reserve(count);
  text_.reserve(bytes);
}

void EntryTexts::push_back(std::string_view entry) {
  text_.append(entry);
  ends_.push_back(text_.size());
}

void EntryTexts::pop_back() {
  ends_.pop_back();
  text_.resize(ends_.empty() ? 0 : ends_.back());
}

void EntryTexts::clear() {
  text_.clear();
  ends_.clear();
}

void EntryTexts::replace(size_t i, std::string_view entry) {
  const size_t begin = i == 0 ? 0 : ends_[i - 1];
  const size_t old_size = ends_[i] - begin;
  text_.replace(begin, old_size, entry);
  if (entry.size() == old_size)
    return;
  for (size_t k = i; k < ends_.size(); ++k)
    ends_[k] = ends_[k] - old_size + entry.size();
}

}  // namespace tw
