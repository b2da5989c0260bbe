// The keying slips the blunder finder undoes: every clean call one slip away
// from what was keyed, for the bearing and for the distance of an entry.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "closure/blunder_kind.h"

namespace tw {

// The bearing of a call: a quadrant code and whole degrees, minutes and
// seconds.
struct CallBearing {
  std::string_view quadrant;
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
};

// The bearing of an entry as the trials start from: nothing unless its
// fields are whole numbers within the boxes' limits.
std::optional<CallBearing> ReadCallBearing(const BearingFieldsView& fields);

// A bearing as deeds write it: minutes and seconds under 60, at most 90
// degrees in all. The finder offers no other.
bool IsCleanCall(const CallBearing& b);

struct BearingTrial {
  BlunderKind kind = BlunderKind::Quadrant;
  CallBearing bearing;
};

// Every clean bearing one slip away from `keyed`, in the order of the kinds:
// another quadrant, degrees and minutes swapped, two digits swapped in a
// field, one digit wrong.
std::vector<BearingTrial> BearingTrials(const CallBearing& keyed);

struct DistanceTrial {
  BlunderKind kind = BlunderKind::DistanceDigits;
  std::string text;  // as it would be keyed, with the entry's leading blank or sign
  double value = 0;
};

// Every distance one slip away from the keyed text, with the same sign and
// not zero, written as it would be keyed (no leading zero, no bare point):
// two digits swapped, the point moved one place, one digit wrong, a digit
// put back that was left out, a digit keyed twice taken out. A text may come
// from two slips; it is listed once, for the first.
// Only values within [low, high] are listed.
std::vector<DistanceTrial> DistanceTrials(std::string_view keyed,
                                          double low = -std::numeric_limits<double>::infinity(),
                                          double high = std::numeric_limits<double>::infinity());

// The entry with its bearing, or its distance, replaced.
std::string WithBearing(std::string_view entry, const CallBearing& b);
std::string WithDistance(std::string_view entry, std::string_view distance);

// The distance text of an entry, as keyed.
std::string_view DistanceTextOf(std::string_view entry);

struct CurveTrial {
  BlunderKind kind = BlunderKind::CurveSide;
  std::string entry;  // the curve entry with the slip undone, not yet read
};

// Every curve call one slip away from `entry`, which reads as `call`: its
// side reversed and its major and minor arc swapped where that moves its end
// (not with a chord bearing), its arc keyed as its chord or its chord as its
// arc, its bearing through BearingTrials and its radius through
// DistanceTrials. A trial the reader would refuse is the caller's to drop.
std::vector<CurveTrial> CurveTrials(std::string_view entry, const CurveCall& call);

}  // namespace tw
