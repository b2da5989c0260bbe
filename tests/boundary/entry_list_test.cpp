#include "boundary/entry_list.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace tw {
namespace {

// Mirrors the list as a list widget would and writes down what it was told.
class MirrorView : public EntryListView {
 public:
  void Appended(const std::string& entry) override {
    items.push_back(entry);
    events.push_back("+" + entry);
  }
  void RemovedLast() override {
    items.pop_back();
    events.push_back("-");
  }
  void Replaced(const std::vector<std::string>& entries) override {
    items = entries;
    events.push_back("=" + std::to_string(entries.size()));
  }
  void SelectionChanged(std::optional<size_t> index) override {
    selected = index;
    events.push_back(index ? "@" + std::to_string(*index) : std::string("@none"));
  }
  std::vector<std::string> items;
  std::optional<size_t> selected;
  std::vector<std::string> events;
};

std::string Join(const std::vector<std::string>& parts) {
  std::string s;
  for (const std::string& p : parts)
    s += (s.empty() ? "" : " ") + p;
  return s;
}

// Runs "append X", "remove", "clear", "replace A B ...", "select N",
// "select none", "last" on a list with a view.
void RunOperations(EntryList& list, const std::vector<std::string>& operations) {
  for (const std::string& op : operations) {
    std::istringstream words(op);
    std::string verb, arg;
    words >> verb;
    if (verb == "append") {
      words >> arg;
      list.Append(arg);
    } else if (verb == "remove") {
      list.RemoveLast();
    } else if (verb == "clear") {
      list.Clear();
    } else if (verb == "replace") {
      std::vector<std::string> entries;
      while (words >> arg)
        entries.push_back(arg);
      list.Replace(entries);
    } else if (verb == "select") {
      words >> arg;
      size_t index = 0;
      std::from_chars(arg.data(), arg.data() + arg.size(), index);
      list.Select(arg == "none" ? std::nullopt : std::optional<size_t>(index));
    } else if (verb == "last") {
      list.SelectLast();
    }
  }
}

TEST(EntryList, ChangesReachTheView) {
  struct Case {
    std::vector<std::string> operations;
    const char* entries;  // afterwards
    const char* events;   // what the view was told
    std::optional<size_t> selected;
  };
  const Case cases[] = {
      {{"append a", "append b", "append c"}, "a b c", "+a +b +c", std::nullopt},
      {{"append a", "append b", "last"}, "a b", "+a +b @1", 1},
      {{"append a", "append b", "remove"}, "a", "+a +b -", std::nullopt},
      // Removing the selected last entry leaves nothing selected.
      {{"append a", "append b", "last", "remove"}, "a", "+a +b @1 - @none", std::nullopt},
      {{"append a", "append b", "select 0", "remove"}, "a", "+a +b @0 -", 0},
      // Undo on an empty list does nothing at all.
      {{"remove"}, "", "", std::nullopt},
      {{"append a", "remove", "remove"}, "", "+a -", std::nullopt},
      {{"append a", "last", "clear"}, "", "+a @0 =0", std::nullopt},
      {{"append a", "replace x y z", "last"}, "x y z", "+a =3 @2", 2},
      // A selection past the end selects nothing; the empty list has no last.
      {{"append a", "select 5"}, "a", "+a @none", std::nullopt},
      {{"last"}, "", "", std::nullopt},
      {{"append a", "select 0", "select none"}, "a", "+a @0 @none", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Join(c.operations));
    EntryList list;
    MirrorView view;
    list.SetView(&view);
    RunOperations(list, c.operations);
    EXPECT_EQ(c.entries, Join(list.Entries()));
    EXPECT_EQ(c.events, Join(view.events));
    EXPECT_EQ(c.selected, list.Selected());
    EXPECT_EQ(list.Entries(), view.items);
    EXPECT_EQ(list.Count(), view.items.size());
    EXPECT_EQ(list.Empty(), view.items.empty());
  }
}

}  // namespace
}  // namespace tw
