#include "closure/adjustment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "closure/closure_forms.h"

namespace tw {
namespace {

constexpr std::array<std::string_view, 3> kMethodNames = {"compass", "transit", "crandall"};

// The offsets of each line after the correction; lengths follow from them.
using AdjustedLines = std::vector<AdjustedLine>;

AdjustedLines Compass(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  AdjustedLines out;
  out.reserve(lines.size());
  for (const TraverseLine& l : lines) {
    const double share = s.perimeter == 0 ? 0 : l.length / s.perimeter;
    out.push_back({l.dy - s.north * share, l.dx - s.east * share, 0});
  }
  return out;
}

AdjustedLines Transit(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  double lat_sum = 0;
  double dep_sum = 0;
  for (const TraverseLine& l : lines) {
    lat_sum += std::fabs(l.dy);
    dep_sum += std::fabs(l.dx);
  }
  AdjustedLines out;
  out.reserve(lines.size());
  for (const TraverseLine& l : lines) {
    const double lat_share = lat_sum == 0 ? 0 : std::fabs(l.dy) / lat_sum;
    const double dep_share = dep_sum == 0 ? 0 : std::fabs(l.dx) / dep_sum;
    out.push_back({l.dy - s.north * lat_share, l.dx - s.east * dep_share, 0});
  }
  return out;
}

// Lengths corrected by L(mu . u) with (sum L u u^T) mu = -(dE, dN): the least
// squares correction with weights 1/L that keeps every direction.
Result<AdjustedLines> Crandall(const std::vector<TraverseLine>& lines, const TraverseSums& s) {
  double ee = 0, en = 0, nn = 0;
  for (const TraverseLine& l : lines) {
    if (l.length == 0)
      continue;
    ee += l.dx * l.dx / l.length;
    en += l.dx * l.dy / l.length;
    nn += l.dy * l.dy / l.length;
  }
  const double det = ee * nn - en * en;
  const double trace = ee + nn;
  if (det <= 1e-12 * trace * trace)
    return Error{kCrandallSingular};
  const double mu_e = (-s.east * nn + s.north * en) / det;
  const double mu_n = (-s.north * ee + s.east * en) / det;
  AdjustedLines out;
  out.reserve(lines.size());
  for (const TraverseLine& l : lines) {
    // (1 + mu . u) scales the offsets; a zero-length line stays zero.
    const double scale = l.length == 0 ? 1 : 1 + (mu_e * l.dx + mu_n * l.dy) / l.length;
    out.push_back({l.dy * scale, l.dx * scale, 0});
  }
  return out;
}

Adjustment Complete(AdjustedLines lines) {
  Adjustment a;
  a.corners.reserve(lines.size());
  PlanePoint c;
  for (AdjustedLine& l : lines) {
    l.length = std::sqrt(l.lat * l.lat + l.dep * l.dep);
    c = {c.east + l.dep, c.north + l.lat};
    a.corners.push_back(c);
  }
  a.lines = std::move(lines);
  a.area = ShoelaceArea(a.corners);
  return a;
}

// The files write a corner rounded to four decimals as a point entry, which
// holds boundary numbers only.
bool IsWritableCorner(const PlanePoint& c) {
  return RoundToFourDecimals(c.east) && RoundToFourDecimals(c.north);
}

Result<Adjustment> Written(Adjustment a, AdjustMethod method) {
  const auto far = std::find_if_not(a.corners.begin(), a.corners.end(), IsWritableCorner);
  if (far == a.corners.end())
    return a;
  std::string name(MethodName(method));
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return Error{name + ": cannot adjust: corner " + std::to_string(far - a.corners.begin() + 1) +
               " would lie beyond the largest coordinate a point entry holds (under 1E+100)"};
}

}  // namespace

std::string_view MethodName(AdjustMethod method) {
  return kMethodNames[static_cast<size_t>(method)];
}

std::optional<AdjustMethod> MethodFromName(std::string_view name) {
  for (size_t i = 0; i < kMethodNames.size(); ++i) {
    if (kMethodNames[i] == name)
      return static_cast<AdjustMethod>(i);
  }
  return std::nullopt;
}

Result<Adjustment> Adjust(const std::vector<TraverseLine>& lines, const TraverseSums& sums,
                          AdjustMethod method) {
  switch (method) {
    case AdjustMethod::Compass:
      return Written(Complete(Compass(lines, sums)), method);
    case AdjustMethod::Transit:
      return Written(Complete(Transit(lines, sums)), method);
    case AdjustMethod::Crandall: {
      Result<AdjustedLines> crandall = Crandall(lines, sums);
      if (!crandall)
        return Error{crandall.error()};
      return Written(Complete(std::move(crandall).take()), method);
    }
  }
  return Error{"unknown adjustment"};
}

}  // namespace tw
