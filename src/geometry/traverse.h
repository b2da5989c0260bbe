// Corners, closure and area of the entry list.
#pragma once

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "geometry/corner_walk.h"

namespace tw {

// The distance of a corner (relative to the first corner) from the first
// corner.
double ComputeClosure(double x, double y);

// What one walk of the list gives: the area, and the closure of the last
// corner (for a point list measured from FirstPointX/FirstPointY), the same
// closure the plot logs for the last line or point.
struct BoundaryFigures {
  double area = 0;
  double closure = 0;
};

// The one area sum of the program: the area and closure of corners as they
// come from a start corner. The area is the signed polygon of the corners,
// its shoelace terms in the one order every reader of the list adds, plus
// the signed area each entry adds beside its straight side, so that all
// readers give the same figures to the last bit.
class CornerSums {
 public:
  explicit CornerSums(PlanePoint start) : start_(start), last_(start) {}
  // A corner reached by a straight side, such as an adjusted line's.
  void Add(PlanePoint c) {
    sum_ += last_.east * c.north - last_.north * c.east;
    last_ = c;
  }
  void Add(const CornerStep& s) {
    Add(s.corner);
    own_area_ += s.own_area;
  }
  PlanePoint Start() const { return start_; }
  PlanePoint Last() const { return last_; }
  // With the closing term, from the last corner back to the start; positive
  // when the corners run counter-clockwise.
  double SignedArea() const;
  // The area is the absolute signed area.
  BoundaryFigures Close() const;

 private:
  PlanePoint start_;
  PlanePoint last_;
  double sum_ = 0;
  double own_area_ = 0;
};

// Area and closure of the list, reading every entry once. Fails, naming the
// entry, when an entry cannot be read by the kind of entry 0. An empty list
// has area 0 and closure 0.
Result<BoundaryFigures> ComputeFigures(const EntryList& entries, const ProgramState& state);

// The area enclosed by all corners, never negative, in the square of the
// entries' unit. A bearing list's polygon includes the start corner (0, 0);
// a point list starts at (FirstPointX, FirstPointY). Re-reads every entry.
// Fails, naming the entry, when an entry cannot
// be read by the kind of entry 0. An empty list has area 0. The list is only
// read: selecting the last entry, as a walk shows it, is the command's part.
Result<double> ComputeArea(const EntryList& entries, const ProgramState& state);

}  // namespace tw
