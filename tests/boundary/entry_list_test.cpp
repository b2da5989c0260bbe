#include "boundary/entry_list.h"

#include <gtest/gtest.h>

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
  void ReplacedAt(size_t index, const std::string& entry) override {
    items[index] = entry;
    events.push_back("~" + std::to_string(index) + entry);
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

std::vector<std::string> Chars(const std::string& text) {
  std::vector<std::string> entries;
  for (char ch : text)
    entries.emplace_back(1, ch);
  return entries;
}

// Runs blank-separated operations: "+x" appends x, "-" removes the last,
// "C" clears, "=xyz" replaces with x, y, z, "~Nx" puts x in place of entry
// N, "@N" selects N, "@" selects nothing, "L" selects the last.
void RunOperations(EntryList& list, const std::string& operations) {
  std::string op;
  for (size_t i = 0; i <= operations.size(); ++i) {
    if (i < operations.size() && operations[i] != ' ') {
      op += operations[i];
      continue;
    }
    const std::string arg = op.substr(op.empty() ? 0 : 1);
    if (op[0] == '+')
      list.Append(arg);
    else if (op == "-")
      list.RemoveLast();
    else if (op == "C")
      list.Clear();
    else if (op[0] == '=')
      list.Replace(Chars(arg));
    else if (op[0] == '~')
      list.ReplaceAt(static_cast<size_t>(arg[0] - '0'), arg.substr(1));
    else if (op[0] == '@')
      list.Select(arg.empty() ? std::nullopt : std::optional<size_t>(arg[0] - '0'));
    else if (op == "L")
      list.SelectLast();
    op.clear();
  }
}

TEST(EntryList, ChangesReachTheView) {
  struct Case {
    const char* events;   // what the view was told
    const char* entries;  // afterwards
    std::optional<size_t> selected;
    const char* operations;
  };
  const Case cases[] = {
      {"+a +b @1", "a b", 1, "+a +b L"},
      // Removing the selected last entry leaves nothing selected.
      {"+a +b @1 - @none", "a", std::nullopt, "+a +b L -"},
      {"+a +b @0 -", "a", 0, "+a +b @0 -"},
      // Only the one row is told of, and the selection stays where it was.
      {"+a +b +c @2 ~1x", "a x c", 2, "+a +b +c L ~1x"},
      // Undo on an empty list does nothing at all.
      {"+a -", "", std::nullopt, "+a - -"},
      {"+a @0 =0", "", std::nullopt, "+a L C"},
      {"+a =3 @2", "x y z", 2, "+a =xyz L"},
      // A selection past the end selects nothing; the empty list has no last.
      {"+a @none", "a", std::nullopt, "+a @5"},
      {"+a @0 @none", "a", std::nullopt, "+a @0 @"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.operations);
    EntryList list;
    MirrorView view;
    list.SetView(&view);
    const unsigned long long before = list.Revision();
    RunOperations(list, c.operations);
    // Every operation here changes the entries but for the selections.
    EXPECT_NE(before, list.Revision());
    EXPECT_EQ(c.entries, Join(list.Entries()));
    EXPECT_EQ(c.events, Join(view.events));
    EXPECT_EQ(c.selected, list.Selected());
    EXPECT_EQ(list.Entries(), view.items);
  }
}

}  // namespace
}  // namespace tw
