// Drilled holes: the standard drill dimensions and countersink screw sizes that help fill
// the typed fields, the checks of the OK and the script of a plain or countersunk hole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

// Drill.dat: standard dimensions (List17).
struct DrillTable {
    std::vector<std::string> labels;
    std::vector<float> dimension;
};

// Csink.dat: screw sizes (List18) with their drill and countersink diameters.
struct CsinkTable {
    std::vector<std::string> labels;
    std::vector<float> drillDiameter;
    std::vector<float> csinkDiameter;
};

using DrillTableLoad = TableLoad<DrillTable>;

using CsinkTableLoad = TableLoad<CsinkTable>;

inline const TableMessages kDrillMessages{"Drill Data File NOT Found",
                                          "Drill Data File Is Corrupt"};
inline const TableMessages kCsinkMessages{"Countersink Data File NOT Found",
                                          "Countersink Data File Is Corrupt"};

DrillTableLoad ParseDrillTable(std::string_view bytes);
DrillTableLoad LoadDrillTable(const std::string& programFolder);
CsinkTableLoad ParseCsinkTable(std::string_view bytes);
CsinkTableLoad LoadCsinkTable(const std::string& programFolder);
// "170 dimensions" / "18 screw sizes"
std::string DrillTableCounts(const DrillTable& table);
std::string CsinkTableCounts(const CsinkTable& table);

// The three fields are taken as typed and read the way the OK reads them: the leading
// decimal number of the text, 0 when there is none.
struct DrilledHoleInput {
    std::string countersinkText = "0.5625";  // Text15
    std::string drillText = "0.500";         // Text16
    std::string depthText = "1.000";         // Text17
    bool countersunk = false;
    int angle = 82;  // the countersink's included angle, 82 or 100
    Placement placement{View::Side, Direction::Right, true};
};

inline constexpr const char* kSupplyCountersinkMessage = "You Must Supply Countersink Diameter";
inline constexpr const char* kSupplyDrillMessage = "You Must Supply Drill Diameter";
inline constexpr const char* kSupplyDepthMessage = "You Must Supply Drill Depth";
inline constexpr const char* kDrillLargerMessage =
    "Drill Diameter Is Larger Than Countersink Diameter";

std::optional<std::string> CheckDrilledHole(const DrilledHoleInput& input);
std::string DrilledHoleScript(const DrilledHoleInput& input, const DrawContext& context);

}  // namespace bw
