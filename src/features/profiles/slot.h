// Slotted holes: two end arcs of the slot width's radius joined by straight sides, from the
// insertion point in one of four directions, with the standard sizes of Slot.dat.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "features/feature.h"
#include "features/profiles/size_lists.h"
#include "tables/table_load.h"

namespace bw {

struct SlotTable {
    SizeList widths;           // List11 and SlotWidth
    SizeList centerDistances;  // List10 and SlotCenterDistance
};

using SlotTableLoad = TableLoad<SlotTable>;

inline const TableMessages kSlotMessages{"Slot Data File NOT Found", "Slot Data File Is Corrupt"};

// Two labelled sections of one value each. A label whose value could not be read stays,
// with the value 0, so the list and the values keep the same indexes.
SlotTableLoad ParseSlotTable(std::string_view bytes);
SlotTableLoad LoadSlotTable(const std::string& programFolder);
// "11 slot widths, 11 center distances"
std::string SlotTableCounts(const SlotTable& table);

struct SlotInput {
    std::string widthText = "0.250";     // Text6
    std::string distanceText = "1.000";  // Text7
    Placement placement{};
};

std::optional<std::string> CheckSlot(const SlotInput& input);
std::string SlotScript(const SlotInput& input, const DrawContext& context);

}  // namespace bw
