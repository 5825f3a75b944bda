// Core pins: the seat of a headed core pin, the head at the insertion point and the pin
// running on to four head lengths, or the two circles seen along the pin.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

inline constexpr const char* kCorePinTableFile = "Corepin.dat";
inline const TableMessages kCorePinTableMessages{"Core Data File NOT Found",
                                                 "Core Data File Is Corrupt"};

struct CorePinSize {
    float pinDiameter = 0.0f;   // D1
    float headDiameter = 0.0f;  // D2
    float headLength = 0.0f;    // H, along the pin axis
};

// Corepin.dat, parallel to the size list.
struct CorePinTable {
    std::vector<std::string> labels;
    std::vector<CorePinSize> sizes;
};

using CorePinTableLoad = TableLoad<CorePinTable>;

// A count, then that many records of a label and D1, D2, H. A record is listed as soon as
// its label is read; numbers the file ends before stay 0.
CorePinTableLoad ParseCorePinTable(std::string_view bytes);
CorePinTableLoad LoadCorePinTable(const std::string& programFolder);
// "14 core pin sizes"
std::string CorePinTableCounts(const CorePinTable& table);

struct CorePinInput {
    std::optional<CorePinSize> size;  // unset: no pin size selected
    Placement placement{View::Side, Direction::Right, true};
};

std::optional<std::string> CheckCorePin(const CorePinInput& input);
std::string CorePinScript(const CorePinInput& input, const DrawContext& context);

}  // namespace bw
