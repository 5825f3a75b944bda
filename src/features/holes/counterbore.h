// Counterbores: the screw-size table, the checks of the OK and the script of a counterbored
// hole in face or side view (the counterbore is as deep as the screw's diameter).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

// Cbore.dat: the screw sizes (List6), parallel to the two arrays.
struct CboreTable {
    std::vector<std::string> labels;
    std::vector<float> screwDiameter;
    std::vector<float> cboreDiameter;
};

using CboreTableLoad = TableLoad<CboreTable>;

inline const TableMessages kCboreMessages{"Counterbore Data File NOT Found",
                                          "Counterbore Data File Is Corrupt"};

CboreTableLoad ParseCboreTable(std::string_view bytes);
CboreTableLoad LoadCboreTable(const std::string& programFolder);
// "18 screw sizes"
std::string CboreTableCounts(const CboreTable& table);

struct CboreSize {
    float screwDiameter = 0.0f;
    float cboreDiameter = 0.0f;
};

struct CounterboreInput {
    std::optional<CboreSize> size;  // the selected row of List6
    Placement placement{View::Side, Direction::Right, true};
};

inline constexpr const char* kSelectScrewSizeMessage = "You Must Select Screw Size";
inline constexpr const char* kScrewDiameterMessage = "Screw Diameter Must Be Greater Than Zero";
inline constexpr const char* kCboreDiameterMessage =
    "Counterbore Diameter Must Be Greater Than Zero";

std::optional<std::string> CheckCounterbore(const CounterboreInput& input);
std::string CounterboreScript(const CounterboreInput& input, const DrawContext& context);

}  // namespace bw
