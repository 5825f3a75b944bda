#include "features/profiles/slot.h"

#include "features/profiles/two_circle_outline.h"
#include "tables/labelled_section.h"

namespace bw {

SlotTableLoad ParseSlotTable(std::string_view bytes) {
    SlotTableLoad load;
    SlotTable& t = load.table;
    ReadSections(bytes,
                 {{{"Slot.dat", "slot width"}, t.widths.labels, {{"width", t.widths.values}}},
                  {{"Slot.dat", "center distance"},
                   t.centerDistances.labels,
                   {{"center distance", t.centerDistances.values}}}},
                 load.diagnostic);
    return load;
}

SlotTableLoad LoadSlotTable(const std::string& programFolder) {
    return LoadTableFile<SlotTable>(programFolder, "Slot.dat", ParseSlotTable);
}

std::string SlotTableCounts(const SlotTable& table) {
    return SectionCounts(
        {{table.widths.size(), "slot width"}, {table.centerDistances.size(), "center distance"}});
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
    // The width value is the radius of both end arcs.
    return TwoCircleOutlineScript(width, width, BoxSingle(input.distanceText), input.placement,
                                  context);
}

}  // namespace bw
