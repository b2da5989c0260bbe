#include "closure/blunders.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "closure/blunder_cache.h"
#include "closure/blunder_trials.h"

namespace tw {
namespace {

// How many of the best-ranked trials are walked whole: more than are listed,
// because ranking from the sums and walking may disagree in the last digit.
constexpr size_t kWalked = 16;

struct Trial {
  size_t index = 0;
  BlunderKind kind = BlunderKind::Quadrant;
  double rank = 0;
  std::string corrected;
  TraverseLine line;
};

// Ranks trials from the sums, with the line's offsets replaced, and keeps the
// few that may reach the standard.
class Ranking {
 public:
  Ranking(const std::vector<TraverseLine>& lines, const TraverseSums& sums, int standard)
      : lines_(lines), sums_(sums), standard_(standard) {}

  // The trial's rank, or nullopt when it cannot reach the standard.
  std::optional<double> RankTrial(size_t index, const TraverseLine& line) const;
  void Keep(size_t index, BlunderKind kind, double rank, std::string corrected,
            const TraverseLine& line);
  std::vector<BlunderFinding> Findings(const EntryTexts& entries);

 private:
  void KeepBest(size_t count);

  const std::vector<TraverseLine>& lines_;
  TraverseSums sums_;
  int standard_;
  std::vector<Trial> trials_;
};

std::optional<double> Ranking::RankTrial(size_t index, const TraverseLine& line) const {
  const TraverseLine& old = lines_[index];
  const double perimeter = sums_.perimeter - old.length + line.length;
  const double north = sums_.north - old.offsets.north + line.offsets.north;
  const double east = sums_.east - old.offsets.east + line.offsets.east;
  // Most trials are far off: drop them before the square root. The walk
  // below may find the precision a unit higher than the sums do.
  const double widest = perimeter / (standard_ - 1);
  if (north * north + east * east > widest * widest * (1 + 1e-9))
    return std::nullopt;
  const double rank = RankOf(PrecisionOf(perimeter, std::sqrt(north * north + east * east)));
  if (rank + 1 < standard_)
    return std::nullopt;
  return rank;
}

void Ranking::Keep(size_t index, BlunderKind kind, double rank, std::string corrected,
                   const TraverseLine& line) {
  trials_.push_back({index, kind, rank, std::move(corrected), line});
  if (trials_.size() >= 4 * kWalked)
    KeepBest(kWalked);
}

// Hands every trial of one line to the ranking.
class RankTrials final : public TrialSink {
 public:
  RankTrials(Ranking& ranking, size_t index) : ranking_(ranking), index_(index) {}

  void Take(BlunderKind kind, const std::string& corrected, const TraverseLine& line) override {
    if (const std::optional<double> rank = ranking_.RankTrial(index_, line))
      ranking_.Keep(index_, kind, *rank, corrected, line);
  }

 private:
  Ranking& ranking_;
  size_t index_;
};

// The order of the listing: precision descending, then line, then kind.
template <class T>
bool Before(double rank_a, const T& a, double rank_b, const T& b) {
  if (rank_a != rank_b)
    return rank_a > rank_b;
  if (a.index != b.index)
    return a.index < b.index;
  return a.kind < b.kind;
}

// Keeps the best `count` distinct corrections by their ranking from the sums.
void Ranking::KeepBest(size_t count) {
  std::stable_sort(trials_.begin(), trials_.end(),
                   [](const Trial& a, const Trial& b) { return Before(a.rank, a, b.rank, b); });
  std::vector<Trial> kept;
  for (Trial& t : trials_) {
    const bool seen = std::any_of(kept.begin(), kept.end(), [&t](const Trial& k) {
      return k.index == t.index && k.corrected == t.corrected;
    });
    if (!seen)
      kept.push_back(std::move(t));
    if (kept.size() == count)
      break;
  }
  trials_ = std::move(kept);
}

std::vector<BlunderFinding> Ranking::Findings(const EntryTexts& entries) {
  KeepBest(kWalked);
  std::vector<BlunderFinding> findings;
  for (const Trial& t : trials_) {
    const TraverseSums s = SumLinesReplacing(lines_, t.index, t.line);
    const Precision after = FiguresOf(s).precision;
    if (MeetsStandard(after, standard_))
      findings.push_back({t.index, std::string(entries[t.index]), t.corrected, t.kind, after});
  }
  std::stable_sort(findings.begin(), findings.end(),
                   [](const BlunderFinding& a, const BlunderFinding& b) {
                     return Before(RankOf(a.after), a, RankOf(b.after), b);
                   });
  if (findings.size() > kMostFindings)
    findings.resize(kMostFindings);
  return findings;
}

}  // namespace

std::vector<BlunderFinding> FindBlunders(const EntryTexts& entries,
                                         const std::vector<TraverseLine>& lines,
                                         const TraverseSums& sums, int standard) {
  Ranking ranking(lines, sums, standard);
  for (size_t i = 0; i < entries.size(); ++i) {
    TrialEntry read;
    if (!ReadTrialEntry(entries[i], read))
      continue;
    RankTrials rank(ranking, i);
    TryEntry(entries[i], read, rank);
    TryGeometry(entries[i], read, sums, rank);
  }
  return ranking.Findings(entries);
}

std::vector<BlunderFinding> FindBlunders(const EntryTexts& entries,
                                         const std::vector<TraverseLine>& lines,
                                         const TraverseSums& sums, int standard,
                                         BlunderCache& cache) {
  cache.Update(entries);
  Ranking ranking(lines, sums, standard);
  for (const BlunderCache::Trial& t : cache.Trials()) {
    if (const std::optional<double> rank = ranking.RankTrial(t.index, t.line))
      ranking.Keep(t.index, t.kind, *rank, cache.CorrectedText(t), t.line);
  }
  // Ranked after the other trials, not between them: the listing's order
  // does not depend on when a trial was kept.
  for (size_t i = 0; i < entries.size(); ++i) {
    TrialEntry read;
    if (!cache.Read(i) || !NearMisclosure(cache.Unit(i), sums) || !ReadTrialEntry(entries[i], read))
      continue;
    RankTrials rank(ranking, i);
    TryGeometry(entries[i], read, sums, rank);
  }
  return ranking.Findings(entries);
}

}  // namespace tw
