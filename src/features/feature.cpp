#include "features/feature.h"

#include "exchange/insertion_info.h"
#include "exchange/settings.h"

namespace bw {

std::optional<std::string> CheckDrawContext(const DrawContext& c) {
    if (!IsUsableCoordinate(c.BasePoint.X) || !IsUsableCoordinate(c.BasePoint.Y)) {
        return "Insertion Point Must Lie Within 1000000 Of The Origin";
    }
    if (auto m = SizeMessage(c.InsertScale, "Insertion Scale",
                             "Insertion Scale Must Be Greater Than Zero")) {
        return m;
    }
    if (auto m = ClearanceMessage(c.EjectorClearance)) return m;
    if (const std::string problem = LayerNameProblem(c.CurrentLayer); !problem.empty()) {
        return NotUsableMessage("Layer Name", c.CurrentLayer, problem);
    }
    return HiddenLayerMessage(c.HiddenLayer);
}

}  // namespace bw
