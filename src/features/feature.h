// What every feature generator is given besides its own inputs, and the small geometry and
// entry-box helpers they share. Script lines are written through exchange/script_writer.h.
#pragma once

#include <optional>
#include <string>

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

// True for a table value a feature can be drawn with: a finite number above zero.
inline bool IsUsableSize(float value) { return value > 0.0f && value < 3.0e38f; }

// The number an entry box holds, as a single: its leading number, 0 when there is none.
inline float BoxSingle(const std::string& text) { return static_cast<float>(LeadingNumber(text)); }

// The largest size a typed value may give. A box takes any run of digits, and forty of them
// overflow a single to infinity, which a script would carry as text the CAD side cannot
// read; a million drawing units is far beyond any machine part and keeps every coordinate a
// feature computes from it finite.
inline constexpr float kLargestTypedSize = 1.0e6f;
inline bool IsTooLarge(float value) { return !(value <= kLargestTypedSize); }
inline std::string TooLargeMessage(const std::string& what) {
    return what + " Must Not Exceed 1000000";
}

}  // namespace bw
