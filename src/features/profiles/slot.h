// Slotted holes: two end arcs of the slot width's radius joined by straight sides, from the
// insertion point in one of four directions, with the standard sizes of Slot.dat.
#pragma once

#include <optional>
#include <string>

#include "features/feature.h"
#include "features/profiles/size_lists.h"

namespace bw {

struct SlotTable {
    SizeList widths;           // List11 and SlotWidth
    SizeList centerDistances;  // List10 and SlotCenterDistance
};

struct SlotTableLoad {
    SlotTable table;
    TableDiagnostic diagnostic;
};

inline const TableMessages kSlotMessages{"Slot Data File NOT Found", "Slot Data File Is Corrupt"};

SlotTableLoad LoadSlotTable(const std::string& programFolder);

struct SlotInput {
    std::string widthText = "0.250";     // Text6
    std::string distanceText = "1.000";  // Text7
    int direction = 0;                   // 0, 90, 180 or 270
    bool hidden = false;                 // Check07
};

std::optional<std::string> CheckSlot(const SlotInput& input);
std::string SlotScript(const SlotInput& input, const DrawContext& context);

}  // namespace bw
