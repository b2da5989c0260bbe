#include "traverses.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "boundary/entry.h"

namespace tw::sim {
namespace {

constexpr double kSecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;

struct Corner {
  double north = 0;
  double east = 0;
};

double Uniform(std::mt19937_64& rng, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng);
}

int UniformInt(std::mt19937_64& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

// A star-shaped lot: corners at rising angles about a centre, at radii that
// vary enough to give re-entrant corners now and then.
std::vector<Corner> PolygonLot(std::mt19937_64& rng, int n, double size) {
  std::vector<double> angles(static_cast<size_t>(n));
  for (double& a : angles)
    a = Uniform(rng, 0, 2 * std::numbers::pi);
  std::sort(angles.begin(), angles.end());
  std::vector<Corner> corners;
  for (const double a : angles) {
    const double r = size * Uniform(rng, 0.4, 1.0);
    corners.push_back({r * std::cos(a), r * std::sin(a)});
  }
  return corners;
}

// A lot of right angles: a base line, and a stepped far side, turned as a
// whole so that its lines run at one bearing and its perpendicular.
std::vector<Corner> RectilinearLot(std::mt19937_64& rng, int n, double size) {
  const int steps = std::max(1, (n - 2) / 2);
  std::vector<Corner> local{{0, 0}, {0, size}};
  double east = size;
  for (int k = steps; k >= 1; --k) {
    const double depth = size * Uniform(rng, 0.3, 1.0);
    const double next_east = k == 1 ? 0 : east - size / steps * Uniform(rng, 0.5, 1.5);
    local.push_back({depth, east});
    local.push_back({depth, std::max(0.0, next_east)});
    east = std::max(0.0, next_east);
  }
  const double turn = Uniform(rng, 0, 2 * std::numbers::pi);
  std::vector<Corner> corners;
  for (const Corner& c : local)
    corners.push_back({c.north * std::cos(turn) - c.east * std::sin(turn),
                       c.north * std::sin(turn) + c.east * std::cos(turn)});
  return corners;
}

Call CallOf(double azimuth_seconds, double distance, bool metric) {
  const double full = 360.0 * 3600.0;
  long long az = std::llround(std::fmod(std::fmod(azimuth_seconds, full) + full, full));
  az %= static_cast<long long>(full);
  Call c;
  long long angle = az;
  if (az < 90 * 3600) {
    c.north_south = 'N', c.east_west = 'E';
  } else if (az < 180 * 3600) {
    c.north_south = 'S', c.east_west = 'E', angle = 180 * 3600 - az;
  } else if (az < 270 * 3600) {
    c.north_south = 'S', c.east_west = 'W', angle = az - 180 * 3600;
  } else {
    c.north_south = 'N', c.east_west = 'W', angle = 360 * 3600 - az;
  }
  c.degrees = static_cast<int>(angle / 3600);
  c.minutes = static_cast<int>(angle / 60 % 60);
  c.seconds = static_cast<int>(angle % 60);
  std::array<char, 32> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), distance,
                                 std::chars_format::fixed, DistanceDecimals(metric))
                       .ptr;
  c.distance.assign(buffer.data(), end);
  return c;
}

}  // namespace

int DistanceDecimals(bool metric) {
  return metric ? 3 : 2;
}

Traverse RandomTraverse(std::mt19937_64& rng, bool metric, Shape shape, const FieldError& error) {
  const int n = UniformInt(rng, shape == Shape::Polygon ? 3 : 4, 40);
  const double size = Uniform(rng, 50, 2000) / (metric ? 3.28 : 1);
  std::vector<Corner> corners =
      shape == Shape::Polygon ? PolygonLot(rng, n, size) : RectilinearLot(rng, n, size);
  if (UniformInt(rng, 0, 1) == 1)
    std::reverse(corners.begin(), corners.end());
  std::rotate(corners.begin(),
              corners.begin() + UniformInt(rng, 0, static_cast<int>(corners.size()) - 1),
              corners.end());
  // Steps of the lot too short to be a deed's call are left out.
  std::vector<Corner> kept;
  for (const Corner& c : corners)
    if (kept.empty() || std::hypot(c.north - kept.back().north, c.east - kept.back().east) >= 1)
      kept.push_back(c);
  corners = kept;
  Traverse t{metric, shape, {}, 0};
  std::normal_distribution<double> unit_normal(0, 1);
  double variance = 0;
  for (size_t i = 0; i < corners.size(); ++i) {
    const Corner& a = corners[i];
    const Corner& b = corners[(i + 1) % corners.size()];
    const double length = std::hypot(b.north - a.north, b.east - a.east);
    const double azimuth = std::atan2(b.east - a.east, b.north - a.north) * kSecondsPerRadian;
    t.calls.push_back(CallOf(azimuth + error.bearing_seconds * unit_normal(rng),
                             length * (1 + error.distance_ratio * unit_normal(rng)), metric));
    const double across = length * error.bearing_seconds / kSecondsPerRadian;
    const double along = length * error.distance_ratio;
    variance += across * across + along * along;
  }
  t.expected_misclosure = std::sqrt(variance);
  return t;
}

std::string EntryOf(const Call& call, bool metric) {
  const auto two = [](int v) { return std::string{char('0' + v / 10 % 10), char('0' + v % 10)}; };
  return ComposeBearingEntry(std::string{call.north_south, call.east_west}, two(call.degrees),
                             two(call.minutes), two(call.seconds), call.distance,
                             metric ? "m." : "LF");
}

Offset OffsetOf(const Call& call) {
  const double angle =
      (call.degrees + call.minutes / 60.0 + call.seconds / 3600.0) * std::numbers::pi / 180;
  double length = 0;
  std::from_chars(call.distance.data(), call.distance.data() + call.distance.size(), length);
  return {(call.north_south == 'N' ? 1 : -1) * length * std::cos(angle),
          (call.east_west == 'E' ? 1 : -1) * length * std::sin(angle)};
}

}  // namespace tw::sim
