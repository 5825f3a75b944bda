#include "features/profiles/slot.h"

#include "exchange/files.h"
#include "features/profiles/two_circle_outline.h"

namespace bw {

namespace {}  // namespace

SlotTableLoad LoadSlotTable(const std::string& programFolder) {
    TwoSizeLists lists = LoadTwoSizeLists(ProgramFilePath(programFolder, "Slot.dat"));
    return {{std::move(lists.first), std::move(lists.second)}, lists.diagnostic};
}

std::optional<std::string> CheckSlot(const SlotInput& input) {
    const float width = BoxSingle(input.widthText);
    if (auto m = SizeMessage(width, "Slot Width", "You Must Enter Slot Width")) return m;
    const float distance = BoxSingle(input.distanceText);
    // Both ends have the same radius, so a distance at or below the stand-in radius
    // difference has no tangents to draw: it is as unusable as no distance at all.
    if (!(distance > 0.0f) || !TangentsExist(width, width, distance)) {
        return "You Must Enter Center Distance";
    }
    return SizeMessage(distance, "Center Distance", "You Must Enter Center Distance");
}

std::string SlotScript(const SlotInput& input, const DrawContext& context) {
    const float width = BoxSingle(input.widthText);
    const float distance = BoxSingle(input.distanceText);
    // The width value is the radius of both end arcs.
    const TwoCircleOutlineResult outline = TwoCircleOutline(
        context.BasePoint, width, width, distance, DegToRad(static_cast<float>(input.direction)));
    std::string script = LayerSetLine(input.hidden ? context.HiddenLayer : context.CurrentLayer);
    script += TwoCircleOutlineLine(outline);
    if (input.hidden) script += LayerSetLine(context.CurrentLayer);
    return script;
}

}  // namespace bw
