// Center drill holes: the hole a plain (60° cone, pilot, drill point) or bell (a 120° chamfer
// above the cone) combined drill and countersink leaves, in face or side view, with the
// standard sizes of the record files 001 and 002.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

inline constexpr size_t kPlainCenterDrillRecordLength = 22;
inline constexpr size_t kBellCenterDrillRecordLength = 23;

struct PlainCenterDrill {
    std::string name;                  // 10 stored characters
    float countersinkDiameter = 0.0f;  // D1, the 60° cone at the surface
    float drillDiameter = 0.0f;        // D2, the pilot
    float pilotLength = 0.0f;          // L, the cylindrical pilot
};

struct BellCenterDrill {
    std::string name;                  // 11 stored characters
    float chamferDiameter = 0.0f;      // B1, the 120° bell chamfer at the surface
    float drillDiameter = 0.0f;        // B2, the pilot (as long as it is wide)
    float countersinkDiameter = 0.0f;  // B3, the 60° cone where it meets the chamfer
};

using PlainCenterDrills = std::vector<PlainCenterDrill>;
using BellCenterDrills = std::vector<BellCenterDrill>;
using PlainCenterDrillLoad = TableLoad<PlainCenterDrills>;
using BellCenterDrillLoad = TableLoad<BellCenterDrills>;

// The record files hold no header, so a short tail (a partial record) is simply left out and
// a file can never be found short. Reading stops at the first record holding a value that
// is not a usable size.
inline const TableMessages kPlainCenterDrillMessages{"Plain Centerdrill File NOT Found",
                                                     "Data File Is Corrupt"};
inline const TableMessages kBellCenterDrillMessages{"Bell Centerdrill File NOT Found",
                                                    "Data File Is Corrupt"};

PlainCenterDrillLoad ParsePlainCenterDrills(std::string_view bytes);
BellCenterDrillLoad ParseBellCenterDrills(std::string_view bytes);
PlainCenterDrillLoad LoadPlainCenterDrills(const std::string& programFolder);
BellCenterDrillLoad LoadBellCenterDrills(const std::string& programFolder);
// "10 plain center drills", followed by the records whose diameters do not nest:
// " (records that cannot be drawn: 2, 5)".
std::string PlainCenterDrillCounts(const PlainCenterDrills& drills);
std::string BellCenterDrillCounts(const BellCenterDrills& drills);

// The selected size: nothing, a plain drill or a bell drill.
struct CenterDrillInput {
    std::optional<PlainCenterDrill> plain;
    std::optional<BellCenterDrill> bell;
    Placement placement{View::Side, Direction::Right, true};
};

// True when a record's values make a hole that can be drawn: every value a finite number
// above zero, and each diameter narrower than the one above it.
bool IsDrawable(const PlainCenterDrill& drill);
bool IsDrawable(const BellCenterDrill& drill);

std::optional<std::string> CheckCenterDrill(const CenterDrillInput& input);
std::string CenterDrillScript(const CenterDrillInput& input, const DrawContext& context);

}  // namespace bw
