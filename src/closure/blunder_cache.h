// What the blunder finder keeps between searches of a list that changes a
// line at a time. A trial's line depends on its entry alone, not on the
// misclosure, so only the entries that changed are tried again; the ranking
// then runs over the kept lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "boundary/entry_texts.h"
#include "closure/blunder_kind.h"
#include "closure/traverse_lines.h"
#include "geometry/bearing.h"

namespace tw {

class BlunderCache {
 public:
  // One trial of the entry at `index`; its corrected text is made again from
  // the entry and `ordinal`, its place among that entry's trials.
  struct Trial {
    TraverseLine line;
    std::uint32_t index = 0;
    std::uint16_t ordinal = 0;
    BlunderKind kind = BlunderKind::Quadrant;
  };

  // Brings the trials up to `entries`: an entry equal to the one held at the
  // same index keeps its trials.
  void Update(const EntryTexts& entries);

  // The trials of the entries that depend on nothing else, in list order.
  const std::vector<Trial>& Trials() const { return trials_; }

  // Whether entry `index` reads for the trials, and its offsets at distance 1.
  bool Read(size_t index) const { return read_[index] != 0; }
  const Offsets& Unit(size_t index) const { return units_[index]; }

  // The corrected entry of `trial`.
  std::string CorrectedText(const Trial& trial) const;

 private:
  void Append(std::string_view entry);

  EntryTexts entries_;
  std::vector<char> read_;
  std::vector<Offsets> units_;
  std::vector<size_t> first_{0};  // entry i's trials: [first_[i], first_[i + 1])
  std::vector<Trial> trials_;
};

}  // namespace tw
