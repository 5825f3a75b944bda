// The range every length a feature draws with must lie in. A script carries its numbers as
// text the CAD side reads back: a value that is not finite becomes "Infinity" or "NaN", which
// it cannot read, and one too large or too small to keep its digits in single precision makes
// points that overflow or coincide.
#pragma once

#include <cmath>
#include <limits>

namespace bw {

// A million drawing units is far beyond any machine part and keeps every coordinate a
// feature computes from such a size finite.
inline constexpr float kLargestDrawingSize = 1.0e6f;

enum class SizeProblem { None, NotFinite, NotPositive, TooSmall, TooLarge };

// A size must be finite, above zero, a normal single (a subnormal has lost its digits, and
// a hole drawn with it has all its points in one place) and at most kLargestDrawingSize.
inline SizeProblem DrawingSizeProblem(float value) {
    if (!std::isfinite(value)) return SizeProblem::NotFinite;
    if (!(value > 0.0f)) return SizeProblem::NotPositive;
    if (value < std::numeric_limits<float>::min()) return SizeProblem::TooSmall;
    if (value > kLargestDrawingSize) return SizeProblem::TooLarge;
    return SizeProblem::None;
}

// What is wrong, to follow the value in a message: "2.9e+38 is more than 1000000".
inline const char* SizeProblemText(SizeProblem problem) {
    switch (problem) {
        case SizeProblem::None:
            return "is a usable size";
        case SizeProblem::NotFinite:
            return "is not a finite number";
        case SizeProblem::NotPositive:
            return "is not greater than zero";
        case SizeProblem::TooSmall:
            return "is too small to draw with";
        case SizeProblem::TooLarge:
            return "is more than 1000000";
    }
    return "";
}

}  // namespace bw
