#include "geometry/running_figures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/traverse.h"
#include "program/log.h"
#include "program/plot.h"

namespace tw {
namespace {

// Entries that vary in every field, so that no two sums agree by chance.
// Every fifth a tangent curve, so that a walk resumed in a run of them must
// find the direction it follows.
std::string Bearing(size_t i) {
  static const char* const kQuadrants[] = {"NE", "SE", "SW", "NW"};
  if (i % 5 == 3 || i % 5 == 4)
    return "Curve " + std::string(i % 2 ? "right" : "left") + " R " + std::to_string(20 + i % 13) +
           "LF arc " + std::to_string(1 + i % 17) + "LF tangent";
  std::string e = kQuadrants[i % 4];
  e += ' ' + std::to_string(10 + i % 80) + '\xB0' + std::to_string(10 + i * 7 % 50) + '\'' +
       std::to_string(10 + i * 3 % 49) + "'' @" + std::to_string(1 + i % 97) + '.' +
       std::to_string(i % 10) + "LF";
  return e;
}

std::string Point(size_t i) {
  return std::to_string(100 + i * 37 % 211) + '.' + std::to_string(i % 7) + " , " +
         std::to_string(i * 53 % 307);
}

enum class Op {
  Append,      // n entries
  AppendBad,   // one entry that cannot be read
  Undo,        // n times
  Correct,     // entry n
  CorrectBad,  // entry n, by one that cannot be read
  Open,        // the whole list, n entries
  MoveStart,   // FirstPointX/Y
  Redraw,      // which hands the running figures its own walk
  Check,       // the running figures against ComputeFigures
};

struct Step {
  Op op;
  size_t n = 0;
};

// The running figures follow every change, caught up after each step or
// after several or taken from a redraw, bit for bit what ComputeFigures
// reads from the whole list.
TEST(RunningFigures, MatchTheWholeWalkThroughEveryChange) {
  using enum Op;
  struct Case {
    const char* what;
    bool points;
    std::vector<Step> steps;
  };
  // Checkpoints fall every 64 entries: the rows cross them both ways.
  const Case cases[] = {
      {"adds, undos across checkpoints, corrections, a new list",
       false,
       {{Append, 1}, {Check},       {Append, 200}, {Check},     {Undo, 9}, {Check},
        {Append, 1}, {Check},       {Undo, 1},     {Append, 1}, {Check},   {Correct, 70},
        {Check},     {Correct, 0},  {Check},       {Open, 130}, {Redraw},  {Undo, 5},
        {Check},     {Correct, 66}, {Redraw},      {Append, 1}, {Check},   {Undo, 127},
        {Check},     {Append, 3},   {Check}}},
      {"an entry that cannot be read stops the figures with the same message",
       false,
       {{Append, 100},   {Check},     {CorrectBad, 50}, {Check},      {Append, 40},
        {Redraw},        {Check},     {Undo, 70},       {Check},      {Correct, 50},
        {Check},         {AppendBad}, {Check},          {Undo, 1},    {Check},
        {CorrectBad, 0}, {Redraw},    {Check},          {Correct, 0}, {Check}}},
      {"a point list starts at its first point, and follows it when it moves",
       true,
       {{Append, 150},
        {Check},
        {MoveStart},
        {Check},
        {Undo, 20},
        {Correct, 3},
        {Check},
        {MoveStart},
        {Redraw},
        {Append, 1},
        {Check},
        {AppendBad},
        {Check},
        {Undo, 1},
        {MoveStart},
        {Append, 2},
        {Check}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StringLog log;
    NullSurface surface;
    Program program{log, surface};
    EntryList& list = program.entries;
    ProgramState& state = program.state;
    const auto entry = [&](size_t i) { return c.points ? Point(i) : Bearing(i); };
    size_t made = 0;  // every entry made differs from the others
    for (const Step& s : c.steps) {
      switch (s.op) {
        case Append:
          for (size_t i = 0; i < s.n; ++i)
            list.Append(entry(made++));
          break;
        case AppendBad:
          list.Append(c.points ? "1 , x"
                               : "NE 9\xB0"
                                 "00'00'' @1LF");
          break;
        case Undo:
          for (size_t i = 0; i < s.n; ++i)
            list.RemoveLast();
          break;
        case Correct:
          list.ReplaceAt(s.n, entry(made++));
          break;
        case CorrectBad:
          list.ReplaceAt(s.n, c.points ? "1 2"
                                       : "NE 10\xB0"
                                         "00'00'' @xLF");
          break;
        case Open: {
          std::vector<std::string> entries;
          for (size_t i = 0; i < s.n; ++i)
            entries.push_back(entry(made++));
          list.Replace(std::move(entries));
          break;
        }
        case MoveStart:
          state.FirstPointX += 12.5;
          state.FirstPointY -= 0.1;
          break;
        case Redraw:
          (void)RedrawBoundary(program);
          break;
        case Check: {
          SCOPED_TRACE(list.Count());
          const Result<BoundaryFigures> whole = ComputeFigures(list, state);
          const Result<BoundaryFigures> kept = program.figures.CatchUp(list, state);
          ASSERT_EQ(whole.ok(), kept.ok()) << (whole ? kept.error() : whole.error());
          if (!whole) {
            EXPECT_EQ(whole.error(), kept.error());
          } else {
            EXPECT_EQ(whole->area, kept->area);
            EXPECT_EQ(whole->closure, kept->closure);
          }
          EXPECT_EQ(list.Count(), list.FirstChanged()) << "caught up";
          break;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tw
