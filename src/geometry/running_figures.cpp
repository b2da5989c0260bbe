#include "geometry/running_figures.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tw {
namespace {

// Bit for bit: a start of -0 and one of 0 can leave different sums.
bool SameCorner(PlanePoint a, PlanePoint b) {
  return std::bit_cast<uint64_t>(a.east) == std::bit_cast<uint64_t>(b.east) &&
         std::bit_cast<uint64_t>(a.north) == std::bit_cast<uint64_t>(b.north);
}

}  // namespace

Result<BoundaryFigures> RunningFigures::CatchUp(EntryList& entries, const ProgramState& state) {
  const size_t changed = entries.FirstChanged();
  entries.ForgetChanges();
  if (entries.Empty()) {
    marks_.clear();
    return BoundaryFigures{};
  }
  const EntryKind kind = KindOf(entries.At(0));
  // A bearing traverse starts at (0, 0); a point list at its first point.
  const PlanePoint start =
      kind == EntryKind::Angle ? PlanePoint{} : PlanePoint{state.FirstPointX, state.FirstPointY};
  if (changed == 0 || marks_.empty() || kind != kind_ || !SameCorner(start, last_.Start()))
    Restart(kind, start);
  else
    GoBackTo(changed);
  if (!stop_)
    ReadOn(entries);
  if (stop_)
    return Error{stop_->message};
  return last_.Close();
}

void RunningFigures::Restart(EntryKind kind, PlanePoint start) {
  kind_ = kind;
  last_ = CornerSums(start);
  marks_.assign(1, last_);
  read_ = 0;
  stop_.reset();
}

void RunningFigures::GoBackTo(size_t changed) {
  // An entry after the stop changed: the stop, and all before it, stand.
  if (stop_ && changed > stop_->index)
    return;
  stop_.reset();
  if (changed >= read_)
    return;
  const size_t mark = changed / kSpan;
  marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(mark + 1), marks_.end());
  last_ = marks_[mark];
  read_ = mark * kSpan;
}

void RunningFigures::ReadOn(const EntryList& entries) {
  stop_ = WalkEntries(
      entries.Entries(), kind_, last_.Last(), [this](const CornerStep& s) { Add(s); }, read_);
}

void RunningFigures::Add(const CornerStep& step) {
  last_.Add(step);
  ++read_;
  if (read_ % kSpan == 0)
    marks_.push_back(last_);
}

void RunningFigures::Finish(EntryList& entries, std::optional<UnreadableEntry> stop) {
  stop_ = std::move(stop);
  entries.ForgetChanges();
}

}  // namespace tw
