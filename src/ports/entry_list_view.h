// The list view port: a widget that shows the entry list and its selection.
#pragma once

#include <cstddef>
#include <optional>

namespace tw {

class EntryList;

// Told of every change, so that a list widget can show the entries and the
// selection. It is told where, not what: it reads the entries it shows from
// the list, so a list of a million entries is not copied into it. Every
// function has a harmless default.
class EntryListView {
 public:
  virtual ~EntryListView() = default;
  // The new entry is the last.
  virtual void Appended(const EntryList& /*list*/) {}
  virtual void RemovedLast() {}
  virtual void Replaced(const EntryList& /*list*/) {}
  virtual void ReplacedAt(const EntryList& /*list*/, size_t /*index*/) {}
  virtual void SelectionChanged(std::optional<size_t> /*index*/) {}
};

}  // namespace tw
