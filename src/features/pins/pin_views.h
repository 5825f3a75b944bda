// The two drawings the ejector pin hole and the core pin seat share: two circles seen along
// the pin, and a section along it with a wider seat at the insertion point.
#pragma once

#include <string>

#include "features/feature.h"

namespace bw {

// Face view: the inner circle always on the current layer; with `hidden` the outer circle
// goes on the hidden-line layer and the current layer is set again after it.
std::string TwoCircleFace(float innerDiameter, float outerDiameter, bool hidden,
                          const DrawContext& context);

// Side view: a seat of `seatDiameter` from the insertion point to `seatLength`, drawn as
// three sides of a rectangle open at the insertion point, then the bore of `boreDiameter`
// from `seatLength` to `boreEnd` as its two side lines, open at the far end.
struct SeatAndBore {
    float seatDiameter;
    double seatLength;
    float boreDiameter;
    double boreEnd;
};
std::string SeatAndBoreSide(const SeatAndBore& shape, const Placement& placement,
                            const DrawContext& context);

}  // namespace bw
