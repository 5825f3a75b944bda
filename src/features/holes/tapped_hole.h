// Tapped holes: the tap-size table, the checks of the OK and the script of a face or side
// view of a threaded hole with its 1/32 × 45° mouth chamfer and 118° drill point.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/feature.h"
#include "tables/table_load.h"

namespace bw {

// Tap.dat: the tap sizes (List4) and the depths (List5), each list parallel to its arrays.
struct TapTable {
    std::vector<std::string> sizeLabels;
    std::vector<float> majorDiameter;
    std::vector<float> drillDiameter;
    std::vector<std::string> depthLabels;
    std::vector<float> depth;
};

using TapTableLoad = TableLoad<TapTable>;

inline const TableMessages kTapMessages{"Tap Data File NOT Found", "Tap Data File Is Corrupt"};

TapTableLoad ParseTapTable(std::string_view bytes);
TapTableLoad LoadTapTable(const std::string& programFolder);
// "38 tap sizes, 15 depths"
std::string TapTableCounts(const TapTable& table);

struct TapSize {
    float majorDiameter = 0.0f;
    float drillDiameter = 0.0f;
};

struct TappedHoleInput {
    std::optional<TapSize> size;  // the selected row of List4; nothing selected when empty
    std::optional<float> depth;   // the selected row of List5
    Placement placement{View::Side, Direction::Right, true};
};

inline constexpr const char* kSelectTapSizeMessage = "You Must Select Tap Size";
inline constexpr const char* kSelectTapDepthMessage = "You Must Select Depth";
inline constexpr const char* kTapDiameterMessage = "Tap Diameter Must Be Greater Than Zero";
inline constexpr const char* kTapDepthMessage = "Depth Must Be Greater Than Zero";

std::optional<std::string> CheckTappedHole(const TappedHoleInput& input);
std::string TappedHoleScript(const TappedHoleInput& input, const DrawContext& context);

}  // namespace bw
