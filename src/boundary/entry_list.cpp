#include "boundary/entry_list.h"

namespace tw {

void EntryList::Append(std::string_view entry) {
  entries_.push_back(entry);
  ChangedAt(entries_.size() - 1);
  if (view_)
    view_->Appended(*this);
}

void EntryList::RemoveLast() {
  if (entries_.empty())
    return;
  entries_.pop_back();
  ChangedAt(entries_.size());
  if (view_)
    view_->RemovedLast();
  if (selected_ && *selected_ >= entries_.size())
    Select(std::nullopt);
}

void EntryList::Clear() {
  Replace({});
}

void EntryList::Replace(EntryTexts entries) {
  entries_ = std::move(entries);
  entries = EntryTexts();  // the old entries go now, not after the view is told
  ChangedAt(0);
  selected_.reset();
  if (view_)
    view_->Replaced(*this);
}

void EntryList::ReplaceAt(size_t index, std::string_view entry) {
  entries_.replace(index, entry);
  ChangedAt(index);
  if (view_)
    view_->ReplacedAt(*this, index);
}

void EntryList::Select(std::optional<size_t> index) {
  if (index && *index >= entries_.size())
    index.reset();
  selected_ = index;
  if (view_)
    view_->SelectionChanged(selected_);
}

void EntryList::SelectLast() {
  if (!entries_.empty())
    Select(entries_.size() - 1);
}

}  // namespace tw
