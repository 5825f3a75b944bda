// What every feature generator is given besides its own inputs, and the small geometry and
// entry-box helpers they share. Script lines are written through exchange/script_writer.h.
#pragma once

#include <optional>
#include <string>

#include "exchange/limits.h"
#include "exchange/script_format.h"

namespace bw {

// The insertion info and the settings a generator draws with.
struct DrawContext {
    PointXY BasePoint{1.0f, 1.0f};
    float InsertScale = 1.0f;
    std::string CurrentLayer = "0";
    std::string HiddenLayer = "0";
    float EjectorClearance = 0.015f;
};

enum class View { Side, Face };

// A side-view offset (u along the feature's axis, v across it) turned to one of the four
// directions by exchanging and negating, then added to the base point. Each coordinate is
// the base coordinate plus the offset, rounded once to single.
inline PointXY TurnedOffset(PointXY base, int directionDegrees, double u, double v) {
    double dx = u, dy = v;
    switch (directionDegrees) {
        case 90:
            dx = -v;
            dy = u;
            break;
        case 180:
            dx = -u;
            dy = -v;
            break;
        case 270:
            dx = v;
            dy = -u;
            break;
        default:
            break;
    }
    return {static_cast<float>(static_cast<double>(base.X) + dx),
            static_cast<float>(static_cast<double>(base.Y) + dy)};
}

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
