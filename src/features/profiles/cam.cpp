#include "features/profiles/cam.h"

#include "features/profiles/two_circle_outline.h"

namespace bw {

std::optional<std::string> CheckCam(const CamInput& input) {
    const float r1 = BoxSingle(input.r1Text);
    const float r2 = BoxSingle(input.r2Text);
    if (!(r1 > 0.0f && r2 > 0.0f)) return "You Must Enter Radius";
    for (const float r : {r1, r2}) {
        if (auto m = SizeMessage(r, "Radius", "You Must Enter Radius")) return m;
    }
    const float distance = BoxSingle(input.distanceText);
    const float sum = r1 + r2;
    // Circles that touch or overlap have no outer tangents that make a cam; the second test
    // only matters for equal radii too small to tell from the stand-in difference.
    if (!(sum < distance) || !TangentsExist(r1, r2, distance)) {
        return "Center Distance Must Be Greater Than Sum Of Radi";
    }
    if (auto m = SizeMessage(distance, "Center Distance",
                             "Center Distance Must Be Greater Than Sum Of Radi")) {
        return m;
    }
    return std::nullopt;
}

std::string CamScript(const CamInput& input, const DrawContext& context) {
    return TwoCircleOutlineScript(BoxSingle(input.r1Text), BoxSingle(input.r2Text),
                                  BoxSingle(input.distanceText), input.placement, context);
}

}  // namespace bw
