// Ejector pin holes: a clearance bore from the insertion point to the chosen depth and the
// pin's own bore beyond it, or the two circles seen along the pin.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

inline constexpr const char* kEjectorTableFile = "ejector.dat";
inline const TableMessages kEjectorTableMessages{"Ejector Data File NOT Found",
                                                 "Ejector Data File Is Corrupt"};

// ejector.dat: the pin sizes and the depths, each list parallel to its list box.
struct EjectorTable {
    std::vector<std::string> pinLabels;
    std::vector<float> pinDiameters;
    std::vector<std::string> depthLabels;
    std::vector<float> depths;
};

using EjectorTableLoad = TableLoad<EjectorTable>;

// A count of pin sizes, that many label/diameter pairs, a count of depths, that many
// label/depth pairs. A depth whose number is missing keeps its label with depth 0, as the
// list already shows it; a pin size is listed only once its diameter was read.
EjectorTableLoad ParseEjectorTable(std::string_view bytes);
EjectorTableLoad LoadEjectorTable(const std::string& programFolder);
// "22 pin sizes, 11 depths"
std::string EjectorTableCounts(const EjectorTable& table);

struct EjectorInput {
    std::optional<float> pinDiameter;  // unset: no pin size selected
    std::optional<float> depth;        // unset: no depth selected
    Placement placement{View::Side, Direction::Right, true};
};

// The message of the first failed check, in the order the OK runs them.
std::optional<std::string> CheckEjector(const EjectorInput& input);

// The whole script; the input must have passed CheckEjector.
std::string EjectorScript(const EjectorInput& input, const DrawContext& context);

}  // namespace bw
