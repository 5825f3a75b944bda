// Keyways: the end view of a shaft with its keyseat, or of a hub bore with its keyway, the
// key always at the top, with the standard sizes of Keyway.dat.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "features/feature.h"
#include "features/profiles/size_lists.h"
#include "tables/table_load.h"

namespace bw {

struct KeywayTable {
    SizeList keyWidths;  // List12 and KeyWidth
    SizeList diameters;  // List13 and KeywayDiameter
};

using KeywayTableLoad = TableLoad<KeywayTable>;

inline const TableMessages kKeywayMessages{"Keyway Data File NOT Found",
                                           "Keyway Data File Is Corrupt"};

// Two labelled sections of one value each. A label whose value could not be read stays,
// with the value 0, so the list and the values keep the same indexes.
KeywayTableLoad ParseKeywayTable(std::string_view bytes);
KeywayTableLoad LoadKeywayTable(const std::string& programFolder);
// "13 key widths, 14 diameters"
std::string KeywayTableCounts(const KeywayTable& table);

enum class KeywayKind { Shaft, Hub };

struct KeywayInput {
    std::string keyWidthText = "0.250";  // Text11
    std::string diameterText = "1.000";  // Text12
    KeywayKind kind = KeywayKind::Shaft;
    Placement placement{};
};

std::optional<std::string> CheckKeyway(const KeywayInput& input);
std::string KeywayScript(const KeywayInput& input, const DrawContext& context);

}  // namespace bw
