// How large and how small a length may be before a script or the settings file stops making
// sense. Every length a feature draws with (typed, from a table, from the settings, from the
// insertion info) is held to this one rule.
#pragma once

#include <cmath>

namespace bw {

// A million drawing units is far beyond any machine part, and it keeps every coordinate a
// feature computes from such lengths finite: a box takes any run of digits, and forty of
// them overflow a single to infinity, which a script would carry as text the CAD side
// cannot read.
inline constexpr float kLargestDrawingSize = 1.0e6f;

// A ten-thousandth of a unit still moves a point at coordinates up to a thousand units once
// it is rounded to single, and it is written without an exponent; a smaller length draws a
// hole whose points all coincide.
inline constexpr float kSmallestDrawingSize = 1.0e-4f;

enum class SizeClass { Usable, NotFinite, NotAboveZero, TooLarge, TooSmall };

inline SizeClass ClassifySize(float value) {
    if (!std::isfinite(value)) return SizeClass::NotFinite;
    if (!(value > 0.0f)) return SizeClass::NotAboveZero;
    if (value > kLargestDrawingSize) return SizeClass::TooLarge;
    if (value < kSmallestDrawingSize) return SizeClass::TooSmall;
    return SizeClass::Usable;
}

inline bool IsUsableSize(float value) { return ClassifySize(value) == SizeClass::Usable; }

// A coordinate (an insertion point) lies no further than the largest size from the origin.
inline bool IsUsableCoordinate(float value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestDrawingSize;
}

// What is wrong, to follow the value in a message: "2.9e+38 is more than 1000000".
inline const char* SizeClassText(SizeClass size) {
    switch (size) {
        case SizeClass::Usable:
            return "is a usable size";
        case SizeClass::NotFinite:
            return "is not a finite number";
        case SizeClass::NotAboveZero:
            return "is not greater than zero";
        case SizeClass::TooSmall:
            return "is too small to draw with";
        case SizeClass::TooLarge:
            return "is more than 1000000";
    }
    return "";
}

}  // namespace bw
