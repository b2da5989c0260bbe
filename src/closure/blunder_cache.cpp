#include "closure/blunder_cache.h"

#include <algorithm>
#include <utility>

#include "closure/blunder_trials.h"

namespace tw {
namespace {

class KeepTrials final : public TrialSink {
 public:
  KeepTrials(std::vector<BlunderCache::Trial>& trials, size_t index)
      : trials_(trials), index_(static_cast<std::uint32_t>(index)) {}

  void Take(BlunderKind kind, const std::string&, const TraverseLine& line) override {
    trials_.push_back({line, index_, ordinal_++, kind});
  }

 private:
  std::vector<BlunderCache::Trial>& trials_;
  std::uint32_t index_;
  std::uint16_t ordinal_ = 0;
};

class FindText final : public TrialSink {
 public:
  explicit FindText(size_t ordinal) : wanted_(ordinal) {}

  void Take(BlunderKind, const std::string& corrected, const TraverseLine&) override {
    if (ordinal_++ == wanted_)
      text_ = corrected;
  }
  std::string Text() && { return std::move(text_); }

 private:
  size_t wanted_;
  size_t ordinal_ = 0;
  std::string text_;
};

}  // namespace

void BlunderCache::Append(std::string_view entry) {
  const size_t index = entries_.size();
  TrialEntry read;
  const bool readable = ReadTrialEntry(entry, read);
  if (readable) {
    KeepTrials keep(trials_, index);
    TryEntry(entry, read, keep);
  }
  entries_.push_back(entry);
  read_.push_back(readable ? 1 : 0);
  units_.push_back(readable ? read.unit : Offsets{});
  first_.push_back(trials_.size());
}

void BlunderCache::Update(const EntryTexts& entries) {
  const size_t shared = std::min(entries.size(), entries_.size());
  size_t same = 0;
  while (same < shared && entries_[same] == entries[same])
    ++same;
  if (same == entries.size() && same == entries_.size())
    return;
  // Everything from the first difference on is rebuilt; an entry that is
  // still the same at its index takes its trials across instead of trying
  // them again.
  EntryTexts old_entries;
  for (size_t i = same; i < entries_.size(); ++i)
    old_entries.push_back(entries_[i]);
  const std::vector<Trial> old_trials(trials_.begin() + first_[same], trials_.end());
  const std::vector<size_t> old_first(first_.begin() + same, first_.end());
  const std::vector<char> old_read(read_.begin() + same, read_.end());
  const std::vector<Offsets> old_units(units_.begin() + same, units_.end());
  while (entries_.size() > same)
    entries_.pop_back();
  read_.resize(same);
  units_.resize(same);
  first_.resize(same + 1);
  trials_.resize(first_[same]);
  for (size_t i = same; i < entries.size(); ++i) {
    const size_t k = i - same;
    if (k >= old_entries.size() || old_entries[k] != entries[i]) {
      Append(entries[i]);
      continue;
    }
    trials_.insert(trials_.end(), old_trials.begin() + (old_first[k] - old_first[0]),
                   old_trials.begin() + (old_first[k + 1] - old_first[0]));
    entries_.push_back(old_entries[k]);
    read_.push_back(old_read[k]);
    units_.push_back(old_units[k]);
    first_.push_back(trials_.size());
  }
}

std::string BlunderCache::CorrectedText(const Trial& trial) const {
  const std::string_view entry = entries_[trial.index];
  TrialEntry read;
  ReadTrialEntry(entry, read);
  FindText find(trial.ordinal);
  TryEntry(entry, read, find);
  return std::move(find).Text();
}

}  // namespace tw
