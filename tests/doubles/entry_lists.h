// Entry lists written readably in a test, and the closure analysis's worked
// example, which several parts of the program are checked against.
#pragma once

#include <string>
#include <vector>

#include "boundary/entry_list.h"
#include "doubles/cp1252.h"

namespace tw::test {

// The entries as the program's Windows-1252 bytes (see Cp1252).
inline EntryList ListOf(std::vector<std::string> entries) {
  for (std::string& e : entries)
    e = Cp1252(e);
  EntryList list;
  list.Replace(std::move(entries));
  return list;
}

// Four lines in feet that miss their start by 0.4210.
inline std::vector<std::string> ClosureExampleEntries() {
  return {Cp1252("NE 76°00'00'' @80.40LF"), Cp1252("SE 36°00'00'' @46.30LF"),
          Cp1252("SW 61°00'00'' @72.80LF"), Cp1252("NW 38°00'00'' @68.00LF")};
}

}  // namespace tw::test
