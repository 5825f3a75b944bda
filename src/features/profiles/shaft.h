// Stepped shafts: segments of their own diameter and length, as closed rectangles one after
// the other in the side view, or as circles on the insertion point in the face view.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "features/feature.h"

namespace bw {

// The most segments the grid takes. A shaft of more steps than this is better drawn in
// parts, and a mistyped count (a thousand instead of ten) would build a grid too wide to use.
inline constexpr int kMaxShaftSegments = 50;

// The message for a number of segments above the limit.
std::string TooManySegmentsMessage();

// One column of the grid: the two cell texts as they stand.
struct ShaftSegment {
    std::string diameterText;
    std::string lengthText;
};

struct ShaftInput {
    std::vector<ShaftSegment> segments{{"1.000", "1.000"}};
    Placement placement{};
};

// A refusal of the grid, and the cell (row 1 a diameter, 2 a length; column the segment,
// from 1) at which reading the grid stopped: the first value not above zero, every diameter
// before every length. A refused count stops before any cell ({0, 0}); a value beyond the
// limits is found only once every cell has been read, so it stops at none (nothing).
struct ShaftRefusal {
    std::string message;
    std::optional<std::pair<int, int>> stoppedAt;
};
std::optional<ShaftRefusal> CheckShaftGrid(const ShaftInput& input);
// The refusal's message alone.
std::optional<std::string> CheckShaft(const ShaftInput& input);
std::string ShaftScript(const ShaftInput& input, const DrawContext& context);

}  // namespace bw
