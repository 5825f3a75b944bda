// Simple cams: a circle round the pick point and a second circle at a centre distance, joined
// by their outer tangents.
#pragma once

#include <optional>
#include <string>

#include "features/feature.h"

namespace bw {

struct CamInput {
    std::string r1Text = "0.500";        // Text8, radius at the pick point
    std::string r2Text = "0.375";        // Text9, second radius
    std::string distanceText = "1.000";  // Text10
    Placement placement{};
};

std::optional<std::string> CheckCam(const CamInput& input);
std::string CamScript(const CamInput& input, const DrawContext& context);

}  // namespace bw
