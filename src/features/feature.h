// What every feature generator is given besides its own inputs, and the small geometry and
// entry-box helpers they share. Script lines are written through exchange/script_writer.h.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "exchange/limits.h"
#include "exchange/script_format.h"
#include "exchange/script_writer.h"

namespace bw {

// The insertion info and the settings a generator draws with.
struct DrawContext {
    PointXY BasePoint{1.0f, 1.0f};
    float InsertScale = 1.0f;
    std::string CurrentLayer = "0";
    std::string HiddenLayer = "0";
    float EjectorClearance = 0.015f;

    Layers layers() const { return {CurrentLayer, HiddenLayer}; }
};

enum class View { Side, Face };

// Where a feature's axis points from the insertion point; the value is the angle in degrees.
enum class Direction { Right = 0, Up = 90, Left = 180, Down = 270 };

inline int Degrees(Direction direction) { return static_cast<int>(direction); }
// 90, 180 and 270 name their direction; any other angle is the start-up one.
Direction DirectionOf(int degrees);

// Where and how a feature is drawn: the view, the direction its axis points, and whether
// it goes on the hidden-line layer. Every input holds one; a feature that has no view or no
// direction simply ignores that part.
struct Placement {
    View view = View::Side;
    Direction direction = Direction::Right;
    bool hidden = false;
};

// A side-view point: `u` runs along the feature's axis, `v` across it, each given as the
// terms that are added to the base coordinate one after another in double precision; the
// sum is rounded to single once. The directions exchange and negate u and v, so Up puts the
// point at B + (-v, u).
PointXY Turned(PointXY base, Direction direction, std::initializer_list<double> u,
               std::initializer_list<double> v);

// The number an entry box holds: a decimal's leading number or a fraction's decimal, 0 when
// there is none, so an unreadable text is refused as a missing value.
inline double BoxNumber(const std::string& text) { return TypedNumber(text).value_or(0.0); }
// The same, as a single.
inline float BoxSingle(const std::string& text) { return static_cast<float>(BoxNumber(text)); }

inline std::string TooLargeMessage(const std::string& what) {
    return what + " Must Not Exceed 1000000";
}
inline std::string TooSmallMessage(const std::string& what) {
    return what + " Must Be At Least .0001";
}

// The message for a length outside the drawable range, or nothing when it is usable.
// `missing` answers a value that is not above zero or not a number, so the checks keep their
// own words for that; the two limits name the field. Infinity is what a typed run of too
// many digits becomes, so it counts as too large.
inline std::optional<std::string> SizeMessage(float value, const std::string& field,
                                              const std::string& missing) {
    switch (ClassifySize(value)) {
        case SizeClass::Usable:
            return std::nullopt;
        case SizeClass::TooLarge:
            return TooLargeMessage(field);
        case SizeClass::TooSmall:
            return TooSmallMessage(field);
        case SizeClass::NotFinite:
            if (value > 0.0f) return TooLargeMessage(field);
            break;
        case SizeClass::NotAboveZero:
            break;
    }
    return missing;
}

// The message for insertion info or settings a feature cannot be drawn with, or nothing.
// The window refuses such values where they come in (the Settings tab, the info file); the
// command line takes them as given, so it asks here.
std::optional<std::string> CheckDrawContext(const DrawContext& context);

}  // namespace bw
