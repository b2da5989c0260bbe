#include "closure/adjustment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "geometry/bearing_forms.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

// The offsets of each line after the correction; lengths follow from them.
using AdjustedLines = std::vector<TraverseLine>;

Result<AdjustedLines> Compass(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  AdjustedLines out;
  out.reserve(lines.size());
  for (const TraverseLine& l : lines) {
    const double share = s.perimeter == 0 ? 0 : l.length / s.perimeter;
    out.push_back(
        {{.east = l.offsets.east - s.east * share, .north = l.offsets.north - s.north * share}, 0});
  }
  return out;
}

Result<AdjustedLines> Transit(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  double lat_sum = 0;
  double dep_sum = 0;
  for (const TraverseLine& l : lines) {
    lat_sum += std::fabs(l.offsets.north);
    dep_sum += std::fabs(l.offsets.east);
  }
  AdjustedLines out;
  out.reserve(lines.size());
  for (const TraverseLine& l : lines) {
    const double lat_share = lat_sum == 0 ? 0 : std::fabs(l.offsets.north) / lat_sum;
    const double dep_share = dep_sum == 0 ? 0 : std::fabs(l.offsets.east) / dep_sum;
    out.push_back({{.east = l.offsets.east - s.east * dep_share,
                    .north = l.offsets.north - s.north * lat_share},
                   0});
  }
  return out;
}

// The triangular factor R of a normal matrix, the sum of a a^T over rows
// a = (east, north), taken in by plane rotations: nothing is squared, so its
// determinant (r11 r22)^2 comes without the cancellation in ee nn - en^2,
// which loses all of it when one oblique line is 10^10 times another.
class NormalFactor {
 public:
  void Add(double east, double north) {
    const double h = std::hypot(r11_, east);
    double rest = north;  // what the row keeps once its east is rotated away
    if (h != 0) {
      const double c = r11_ / h;
      const double s = east / h;
      rest = c * north - s * r12_;
      r12_ = c * r12_ + s * north;
      r11_ = h;
    }
    r22_ = std::hypot(r22_, rest);
  }

  // det <= 1e-12 trace^2: too near singular for a solution to hold.
  bool NearSingular() const {
    const double f = std::hypot(r11_, r12_, r22_);  // sqrt(trace)
    return f == 0 || (r11_ / f) * (r22_ / f) <= 1e-6;
  }

  // x with (R^T R) x = b.
  PlanePoint Solve(double b_east, double b_north) const {
    const double y_east = b_east / r11_;
    const double y_north = (b_north - r12_ * y_east) / r22_;
    const double x_north = y_north / r22_;
    return {(y_east - r12_ * x_north) / r11_, x_north};
  }

 private:
  double r11_ = 0;
  double r12_ = 0;
  double r22_ = 0;
};

// Steps of iterative refinement before a system that still misses the start
// is given up as too ill-conditioned.
constexpr int kRefinements = 3;

struct Scaled {
  PlanePoint end;                     // the last corner, as Complete walks it
  size_t turned = std::string::npos;  // the first line left no length, or less
};

// The lines scaled by (1 + mu . u); a zero-length line stays zero.
Scaled ScaleLines(const std::vector<TraverseLine>& lines, PlanePoint mu, AdjustedLines& out) {
  Scaled s;
  out.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    const TraverseLine& l = lines[i];
    const double scale =
        l.length == 0 ? 1 : 1 + (mu.east * l.offsets.east + mu.north * l.offsets.north) / l.length;
    if (scale <= 0 && s.turned == std::string::npos)
      s.turned = i;
    const TraverseLine a{{.east = l.offsets.east * scale, .north = l.offsets.north * scale}, 0};
    out.push_back(a);
    s.end = {s.end.east + a.offsets.east, s.end.north + a.offsets.north};
  }
  return s;
}

// A line of no length takes no correction, so it cannot help the others
// out of their parallel directions: it is named when there is one.
std::string ParallelMessage(const std::vector<TraverseLine>& lines, size_t no_length) {
  if (no_length == std::string::npos)
    return kCrandallSingular;
  const bool all =
      std::all_of(lines.begin(), lines.end(), [](const TraverseLine& l) { return l.length == 0; });
  if (all)
    return "Crandall: cannot adjust: no line has a length";
  return "Crandall: cannot adjust: line " + std::to_string(no_length + 1) +
         " has no length, and the lines that have one are all parallel";
}

// Lengths corrected by L(mu . u) with (sum L u u^T) mu = -(dE, dN): the least
// squares correction with weights 1/L that keeps every direction. The
// corners must close to 1e-12 of the perimeter: each refinement solves for
// what the last solution still misses.
Result<AdjustedLines> Crandall(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  NormalFactor weighted;
  NormalFactor directions;
  size_t no_length = std::string::npos;  // the first line of no length
  for (size_t i = 0; i < lines.size(); ++i) {
    const TraverseLine& l = lines[i];
    if (l.length == 0) {
      no_length = std::min(no_length, i);
      continue;
    }
    const double root = std::sqrt(l.length);
    weighted.Add(l.offsets.east / root, l.offsets.north / root);
    directions.Add(l.offsets.east / l.length, l.offsets.north / l.length);
  }
  if (directions.NearSingular())
    return Error{ParallelMessage(lines, no_length)};
  if (weighted.NearSingular())
    return Error{kCrandallIllConditioned};
  PlanePoint mu = weighted.Solve(-s.east, -s.north);
  AdjustedLines out;
  out.reserve(lines.size());
  for (int refined = 0;; ++refined) {
    const Scaled scaled = ScaleLines(lines, mu, out);
    if (std::hypot(scaled.end.east, scaled.end.north) <= 1e-12 * s.perimeter) {
      if (scaled.turned != std::string::npos)
        return Error{"Crandall: cannot adjust: the correction would leave line " +
                     std::to_string(scaled.turned + 1) +
                     " a length of 0 or less; the traverse is too weakly shaped for Crandall, "
                     "try Compass"};
      return out;
    }
    if (refined == kRefinements)
      return Error{kCrandallIllConditioned};
    const PlanePoint step = weighted.Solve(-scaled.end.east, -scaled.end.north);
    mu = {mu.east + step.east, mu.north + step.north};
  }
}

// The area is summed from (0, 0), not from the start: far from the origin
// the products of the corners would drown it.
Adjustment Complete(const std::vector<TraverseLine>& entered, AdjustedLines lines,
                    PlanePoint start) {
  Adjustment a;
  a.start = start;
  a.corners.reserve(lines.size());
  PlanePoint c = start;
  PlanePoint from_origin;
  CornerSums sums(PlanePoint{});
  for (TraverseLine& l : lines) {
    l.length = std::sqrt(l.offsets.north * l.offsets.north + l.offsets.east * l.offsets.east);
    c = {c.east + l.offsets.east, c.north + l.offsets.north};
    from_origin = {from_origin.east + l.offsets.east, from_origin.north + l.offsets.north};
    a.corners.push_back(c);
    sums.Add(from_origin);
  }
  a.lines = std::move(lines);
  a.area = sums.Close().area;
  a.largest_change = LargestLengthChange(entered, a.lines);
  return a;
}

// The files write a corner rounded to four decimals as a point entry, which
// holds boundary numbers only.
bool IsWritableCorner(const PlanePoint& c) {
  return RoundToFourDecimals(c.east) && RoundToFourDecimals(c.north);
}

Result<Adjustment> Written(Adjustment a, AdjustMethod method) {
  if (!IsWritableCorner(a.start))
    return Error{std::string(RowOf(method).title) +
                 ": cannot adjust: the start lies beyond the largest coordinate a point entry "
                 "holds (under 1E+100)"};
  const auto far = std::find_if_not(a.corners.begin(), a.corners.end(), IsWritableCorner);
  if (far == a.corners.end())
    return a;
  return Error{std::string(RowOf(method).title) + ": cannot adjust: corner " +
               std::to_string(far - a.corners.begin() + 1) +
               " would lie beyond the largest coordinate a point entry holds (under 1E+100)"};
}

constexpr std::array<AdjustMethodRow, 3> kMethods = {{
    {AdjustMethod::Compass, "compass", "Compass", Compass},
    {AdjustMethod::Transit, "transit", "Transit", Transit},
    {AdjustMethod::Crandall, "crandall", "Crandall", Crandall},
}};

}  // namespace

LengthChange LargestLengthChange(const std::vector<TraverseLine>& entered,
                                 const std::vector<TraverseLine>& adjusted) {
  LengthChange largest;
  for (size_t i = 0; i < entered.size() && i < adjusted.size(); ++i) {
    const double change = adjusted[i].length - entered[i].length;
    if (std::fabs(change) > std::fabs(largest.change))
      largest = {i, change};
  }
  return largest;
}

bool TooWeaklyShaped(const LengthChange& change, double misclosure) {
  return std::fabs(change.change) > kWeakShapeRatio * misclosure;
}

std::span<const AdjustMethodRow> AdjustMethods() {
  return kMethods;
}

const AdjustMethodRow& RowOf(AdjustMethod method) {
  const auto row = std::find_if(kMethods.begin(), kMethods.end(),
                                [method](const AdjustMethodRow& r) { return r.method == method; });
  // Every enumerator has its row; the first stands in should one be missing.
  return row == kMethods.end() ? kMethods.front() : *row;
}

std::string_view MethodName(AdjustMethod method) {
  return RowOf(method).key;
}

std::optional<AdjustMethod> MethodFromName(std::string_view name) {
  for (const AdjustMethodRow& row : kMethods) {
    if (row.key == name)
      return row.method;
  }
  return std::nullopt;
}

Result<Adjustment> Adjust(const std::vector<TraverseLine>& lines, const TraverseSums& sums,
                          AdjustMethod method, PlanePoint start) {
  Result<AdjustedLines> adjusted = RowOf(method).adjust(lines, sums);
  if (!adjusted)
    return Error{adjusted.error()};
  return Written(Complete(lines, std::move(adjusted).take(), start), method);
}

}  // namespace tw
