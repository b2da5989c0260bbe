// How far the blunder finder can be trusted, measured on random traverses
// as deeds record them (a seed makes a run repeatable):
//   set A: random field error only; the finder should stay silent;
//   set B: small random error and one keyed mistake on a random line; where
//          the mistake alone moves the closing point by more than three
//          times the expected random misclosure, the first finding should
//          give back the original call, and the right line should be listed.
// Usage: blunder_sim [SEED [TRAVERSES_PER_SET]]
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "closure/closure_analysis.h"
#include "closure/closure_lines.h"
#include "mistakes.h"
#include "traverses.h"

namespace tw::sim {
namespace {

constexpr int kStandard = 10000;

struct Findings {
  std::vector<BlunderFinding> list;
};

Findings Analyse(const Traverse& t, const std::vector<std::string>& entries) {
  EntryList list;
  list.Replace(EntryTexts(entries));
  ProgramState state;
  state.UnitAbbrev = t.metric ? "m." : "LF";
  ClosureOptions options;
  options.standard = kStandard;
  options.find_blunders = true;
  const Result<ClosureAnalysis> a = AnalyseClosure(list, state, options);
  return a ? Findings{a->blunders} : Findings{};
}

std::vector<std::string> EntriesOf(const Traverse& t) {
  std::vector<std::string> entries;
  for (const Call& c : t.calls)
    entries.push_back(EntryOf(c, t.metric));
  return entries;
}

double Uniform(std::mt19937_64& rng, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng);
}

Shape ShapeOf(int i) {
  return i % 2 == 0 ? Shape::Polygon : Shape::Rectilinear;
}

bool MetricOf(int i) {
  return i / 2 % 2 == 1;
}

void RandomErrorOnly(std::mt19937_64& rng, int count) {
  std::array<int, 4> listed{}, runs{};
  for (int i = 0; i < count; ++i) {
    const FieldError error{Uniform(rng, 5, 60), 1 / Uniform(rng, 2000, 20000)};
    const Traverse t = RandomTraverse(rng, MetricOf(i), ShapeOf(i), error);
    const size_t group = static_cast<size_t>(i % 4);
    ++runs[group];
    if (!Analyse(t, EntriesOf(t)).list.empty())
      ++listed[group];
  }
  std::printf("Set A (random error only, %d traverses): lists a finding\n", count);
  static constexpr std::array<const char*, 4> kGroups{"polygon, feet", "rectilinear, feet",
                                                      "polygon, metres", "rectilinear, metres"};
  int total = 0;
  for (size_t g = 0; g < 4; ++g) {
    std::printf("  %-22s %5.1f%% of %d\n", kGroups[g], 100.0 * listed[g] / runs[g], runs[g]);
    total += listed[g];
  }
  std::printf("  %-22s %5.1f%% (goal at most 5%%)\n", "all", 100.0 * total / count);
}

struct KindScore {
  int tried = 0;
  int counted = 0;
  int first_is_original = 0;
  int line_listed = 0;
};

double Shift(const Call& a, const Call& b) {
  const Offset x = OffsetOf(a), y = OffsetOf(b);
  return std::hypot(x.north - y.north, x.east - y.east);
}

void OneKeyedMistake(std::mt19937_64& rng, int count) {
  std::array<KindScore, kMistakeKinds> score{};
  for (int i = 0; i < count; ++i) {
    const Traverse t = RandomTraverse(rng, MetricOf(i), ShapeOf(i), FieldError{5, 1.0 / 20000});
    const Mistake kind = static_cast<Mistake>(i % kMistakeKinds);
    const size_t line = std::uniform_int_distribution<size_t>(0, t.calls.size() - 1)(rng);
    const std::optional<Call> keyed = WithMistake(t.calls[line], kind, rng);
    KindScore& s = score[static_cast<size_t>(kind)];
    ++s.tried;
    if (!keyed || Shift(*keyed, t.calls[line]) <= 3 * t.expected_misclosure)
      continue;
    ++s.counted;
    std::vector<std::string> entries = EntriesOf(t);
    const std::string original = entries[line];
    entries[line] = EntryOf(*keyed, t.metric);
    const Findings f = Analyse(t, entries);
    const auto gives_back = [&](const BlunderLine& l) {
      return l.index == line && l.corrected == original;
    };
    const auto names_line = [&](const BlunderLine& l) { return l.index == line; };
    if (!f.list.empty() &&
        std::any_of(f.list.front().lines.begin(), f.list.front().lines.end(), gives_back))
      ++s.first_is_original;
    if (std::any_of(f.list.begin(), f.list.end(), [&](const BlunderFinding& b) {
          return std::any_of(b.lines.begin(), b.lines.end(), names_line);
        }))
      ++s.line_listed;
  }
  std::printf(
      "Set B (one keyed mistake, %d traverses): of those counted, first finding is the\n"
      "original call / right line listed\n",
      count);
  KindScore all;
  for (size_t k = 0; k < score.size(); ++k) {
    const KindScore& s = score[k];
    std::printf("  %-24s %4d counted of %4d: %5.1f%% / %5.1f%%\n",
                std::string(MistakeName(static_cast<Mistake>(k))).c_str(), s.counted, s.tried,
                s.counted ? 100.0 * s.first_is_original / s.counted : 0.0,
                s.counted ? 100.0 * s.line_listed / s.counted : 0.0);
    all.tried += s.tried, all.counted += s.counted;
    all.first_is_original += s.first_is_original, all.line_listed += s.line_listed;
  }
  std::printf("  %-24s %4d counted of %4d: %5.1f%% / %5.1f%% (goals 90%% / 97%%)\n", "all",
              all.counted, all.tried, 100.0 * all.first_is_original / all.counted,
              100.0 * all.line_listed / all.counted);
}

}  // namespace
}  // namespace tw::sim

int main(int argc, char** argv) {
  const unsigned long long seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 20261207;
  const int count = argc > 2 ? std::atoi(argv[2]) : 2000;
  std::printf("blunder_sim seed %llu, standard 1:%d\n", seed, tw::sim::kStandard);
  std::mt19937_64 rng(seed);
  tw::sim::RandomErrorOnly(rng, count);
  tw::sim::OneKeyedMistake(rng, count);
  return 0;
}
