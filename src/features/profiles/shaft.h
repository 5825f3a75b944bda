// Stepped shafts: segments of their own diameter and length, as closed rectangles one after
// the other in the side view, or as circles on the insertion point in the face view.
#pragma once

#include <optional>
#include <string>
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

// Every diameter first, then every length; the first cell that is not above zero decides.
std::optional<std::string> CheckShaft(const ShaftInput& input);
std::string ShaftScript(const ShaftInput& input, const DrawContext& context);

}  // namespace bw
