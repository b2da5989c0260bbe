#include "boundary/entry_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

// Mirrors the list as a list widget would and writes down what it was told.
class MirrorView : public EntryListView {
 public:
  void Appended(const EntryList& list) override {
    const std::string entry(list.At(list.Count() - 1));
    items.push_back(entry);
    events.push_back("+" + entry);
  }
  void RemovedLast() override {
    items.pop_back();
    events.push_back("-");
  }
  void Replaced(const EntryList& list) override {
    items.clear();
    for (size_t i = 0; i < list.Count(); ++i)
      items.emplace_back(list.At(i));
    events.push_back("=" + std::to_string(list.Count()));
  }
  void ReplacedAt(const EntryList& list, size_t index) override {
    items[index] = list.At(index);
    events.push_back("~" + std::to_string(index) + items[index]);
  }
  void SelectionChanged(std::optional<size_t> index) override {
    selected = index;
    events.push_back(index ? "@" + std::to_string(*index) : std::string("@none"));
  }
  std::vector<std::string> items;
  std::optional<size_t> selected;
  std::vector<std::string> events;
};

template <class Texts>
std::string Join(const Texts& parts) {
  std::string s;
  for (std::string_view p : parts) {
    s += s.empty() ? "" : " ";
    s += p;
  }
  return s;
}

TEST(EntryList, ChangesReachTheView) {
  struct Case {
    const char* what;
    void (*run)(EntryList&);
    const char* events;   // what the view was told
    const char* entries;  // afterwards
    std::optional<size_t> selected;
  };
  const Case cases[] = {
      {"replacing one entry tells of that row only; the selection stays",
       [](EntryList& l) {
         l.Append("b");
         l.SelectLast();
         l.ReplaceAt(0, "xyz");
       },
       "+a +b @1 ~0xyz", "xyz b", 1},
      {"append two, select the last",
       [](EntryList& l) {
         l.Append("b");
         l.SelectLast();
       },
       "+a +b @1", "a b", 1},
      {"removing the selected last entry leaves nothing selected",
       [](EntryList& l) {
         l.Append("b");
         l.SelectLast();
         l.RemoveLast();
       },
       "+a +b @1 - @none", "a", std::nullopt},
      {"removing another entry keeps the selection",
       [](EntryList& l) {
         l.Append("b");
         l.Select(0);
         l.RemoveLast();
       },
       "+a +b @0 -", "a", 0},
      {"undo on an empty list does nothing at all",
       [](EntryList& l) {
         l.RemoveLast();
         l.RemoveLast();
       },
       "+a -", "", std::nullopt},
      {"clear",
       [](EntryList& l) {
         l.SelectLast();
         l.Clear();
       },
       "+a @0 =0", "", std::nullopt},
      {"replace",
       [](EntryList& l) {
         l.Replace({"x", "y", "z"});
         l.SelectLast();
       },
       "+a =3 @2", "x y z", 2},
      {"a selection past the end selects nothing", [](EntryList& l) { l.Select(5); }, "+a @none",
       "a", std::nullopt},
      {"select nothing",
       [](EntryList& l) {
         l.Select(0);
         l.Select(std::nullopt);
       },
       "+a @0 @none", "a", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EntryList list;
    MirrorView view;
    list.SetView(&view);
    list.Append("a");  // every case starts from a list of one
    const unsigned long long before = list.Revision();
    c.run(list);
    // Every case but the selection-only ones changes the entries.
    const bool changes = std::string(c.events).find_first_of("+-=~", 2) != std::string::npos;
    EXPECT_EQ(changes, before != list.Revision());
    EXPECT_EQ(c.entries, Join(list.Entries()));
    EXPECT_EQ(c.events, Join(view.events));
    EXPECT_EQ(c.selected, list.Selected());
    EXPECT_EQ(list.Entries(), view.items);
  }
}

// The compact store against the plain vector it replaces, one change at a
// time: lengths that grow, shrink and vanish, and texts taken from itself.
TEST(EntryTexts, HoldsWhatAVectorOfStringsWouldHold) {
  using Change = void (*)(EntryTexts&, std::vector<std::string>&);
  const Change changes[] = {
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.push_back("NE 1");
        v.emplace_back("NE 1");
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.push_back("");
        v.emplace_back("");
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.push_back("SW 22");
        v.emplace_back("SW 22");
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.replace(1, "a longer one");
        v[1] = "a longer one";
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.replace(0, "");
        v[0] = "";
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.push_back(t[2]);
        v.push_back(v[2]);
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.replace(3, t[1]);
        v[3] = v[1];
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.pop_back();
        v.pop_back();
      },
      [](EntryTexts& t, std::vector<std::string>& v) {
        t.clear();
        v.clear();
        t.push_back("x");
        v.emplace_back("x");
      },
  };
  EntryTexts texts;
  std::vector<std::string> model;
  for (const Change& change : changes) {
    change(texts, model);
    ASSERT_EQ(model.size(), texts.size());
    for (size_t i = 0; i < model.size(); ++i)
      EXPECT_EQ(model[i], texts[i]) << i;
    EXPECT_EQ(Join(model), Join(texts));
    EXPECT_EQ(EntryTexts(model), texts);
  }
}

}  // namespace
}  // namespace tw
