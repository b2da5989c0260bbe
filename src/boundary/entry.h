// The two kinds of entry text: how each is composed and how it is read back.
// The reader and the composer are here; the closure's blunder trials still
// rebuild entries byte by byte on their own.
//
// A bearing entry reads "NE 45°30'15'' @100.5LF" and is read by fixed byte
// positions; a point entry reads "1520.25 , 880.5" and is split at " , ".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"

namespace tw {

inline constexpr char kDegreeSign = '\xB0';  // Windows-1252

enum class EntryKind { Angle, Point };

// Byte positions (from 0) of the fields of a bearing entry, and the width of
// its unit, the last bytes: the composer writes them, the reader reads them.
inline constexpr size_t kDegreesAt = 3;
inline constexpr size_t kMinutesAt = 6;
inline constexpr size_t kSecondsAt = 9;
inline constexpr size_t kDistanceAt = 15;
inline constexpr size_t kUnitWidth = 2;
inline constexpr size_t kAngleFieldWidth = 2;

// The most the degrees, minutes and seconds boxes take: above, the box warns.
inline constexpr int kMostDegrees = 90;
inline constexpr int kMostMinutes = 60;
inline constexpr int kMostSeconds = 60;

// An angle field of a bearing entry: exactly kAngleFieldWidth characters
// that convert strictly. Anything else could not be read back at its place.
bool ReadAngleField(std::string_view text, double& value);

// "NE 45°30'15'' @100.5LF": the fields as given, two characters each for the
// angles and the unit, which the callers have checked.
std::string ComposeBearingEntry(std::string_view quadrant, std::string_view degrees,
                                std::string_view minutes, std::string_view seconds,
                                std::string_view distance, std::string_view unit);

inline constexpr std::string_view kPointSeparator = " , ";

// "X , Y" from the two texts as given.
std::string ComposePointEntry(std::string_view x, std::string_view y);
// The entry of the point (x, y), each in the plain number form, added to
// out: ComposePointEntry's text without a string for each number.
void AppendPointEntry(std::string& out, double x, double y);

// The kind of a whole list, from its entry 0: "Angle" when the first byte is
// "N" or "S" or it is a curve, else "Point" (an empty text is a point entry).
EntryKind KindOf(std::string_view entry0);

// The fields of a bearing entry, without copies: the views point into the
// entry text and are valid as long as it is.
struct BearingFieldsView {
  std::string_view quadrant;  // bytes 1-2, not validated
  double degrees = 0;         // bytes 4-5
  double minutes = 0;         // bytes 7-8
  double seconds = 0;         // bytes 10-11
  std::string_view distance;  // byte 16 up to the last two (the unit)
  double length = 0;          // the distance text, converted
};

// Whole angles, none negative and none above what its box takes: the form
// the boxes give, where a field read strictly may also be "1." or "-5".
bool IsWithinBoxLimits(const BearingFieldsView& f);

struct PointFields {
  double x = 0;
  double y = 0;
};

// The separator bytes are not read. Fails, naming the field, when the entry is
// shorter than 17 bytes or a number field does not convert strictly (which is
// also how a field that is not exactly two characters shows).
Result<BearingFieldsView> ReadBearingEntryView(std::string_view entry);

// The same reading for the walks over whole lists, without a Result to build
// and destroy per entry: true and the fields, or false where the readings
// above fail (and then name the reason).
bool ReadBearingEntryTo(std::string_view entry, BearingFieldsView& fields);

// The texts of a point entry, split at the first " , ": X before it, Y the
// piece after it up to a further " , ", if any. nullopt without a separator.
struct PointTexts {
  std::string_view x;
  std::string_view y;
};
std::optional<PointTexts> SplitPointEntry(std::string_view entry);

// SplitPointEntry, and both texts convert strictly.
Result<PointFields> ReadPointEntry(std::string_view entry);

// "Entry N cannot be read (reason): TEXT", N counted from 1: the one message
// a command gives when it stops at an entry.
std::string UnreadableEntryMessage(size_t index, std::string_view entry, std::string_view reason);

}  // namespace tw
