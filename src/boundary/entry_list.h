// The boundary's only store: the ordered list of entry texts, in Windows-1252
// (the degree sign is the byte 0xB0), with the selection that walking it moves.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "boundary/entry_texts.h"
#include "ports/entry_list_view.h"

namespace tw {

class EntryList {
 public:
  size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  std::string_view At(size_t i) const { return entries_[i]; }
  const EntryTexts& Entries() const { return entries_; }
  // Counts the changes of the entries (not of the selection), so that one can
  // tell whether the boundary changed since a moment without keeping a copy.
  unsigned long long Revision() const { return revision_; }
  // The lowest index appended, removed or replaced since ForgetChanges(), or
  // Count() when none: where figures kept beside the list read again. One
  // keeper per list, the program's running figures.
  size_t FirstChanged() const { return first_changed_ < Count() ? first_changed_ : Count(); }
  void ForgetChanges() { first_changed_ = kNoChange; }

  void Append(std::string_view entry);
  // Does nothing on an empty list.
  void RemoveLast();
  void Clear();
  void Replace(EntryTexts entries);
  // Puts `entry` in place of entry `index` (< Count()); the selection stays.
  void ReplaceAt(size_t index, std::string_view entry);

  std::optional<size_t> Selected() const { return selected_; }
  void Select(std::optional<size_t> index);
  // The visible result of walking the list from first to last: the last
  // entry is selected (nothing on an empty list).
  void SelectLast();

  // The view is not owned; nullptr detaches it.
  void SetView(EntryListView* view) { view_ = view; }

 private:
  EntryTexts entries_;
  std::optional<size_t> selected_;
  unsigned long long revision_ = 0;
  static constexpr size_t kNoChange = static_cast<size_t>(-1);
  size_t first_changed_ = 0;
  void ChangedAt(size_t index) {
    ++revision_;
    if (index < first_changed_)
      first_changed_ = index;
  }
  EntryListView* view_ = nullptr;
};

}  // namespace tw
