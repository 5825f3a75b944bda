// The profiles features of brasswick-script: slot, cam, keyway, shaft and centerdrill.
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"

#include "cli/cli.h"

namespace bw::cli {

namespace {

// A grid cell as it stands: empty, or what the value box could put there. A fraction stands
// in the cell as the decimal the value box's "Enter Value" writes for it.
std::string CellText(const std::string& text, const std::string& segment) {
    for (char ch : text) {
        if (!IsBoxCharacter(ch)) {
            throw UsageError("segments: " + segment +
                             ": a cell holds only digits, \".\", \"/\" and blanks");
        }
    }
    return text.find('/') == std::string::npos ? text : TidiedBoxText(text);
}

// "D1:L1,D2:L2,..." into the grid's columns.
std::vector<ShaftSegment> Segments(const Values& values) {
    auto it = values.find("segments");
    if (it == values.end()) return ShaftInput{}.segments;
    std::vector<ShaftSegment> segments;
    const std::string& text = it->second;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string column =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t colon = column.find(':');
        if (colon == std::string::npos || column.find(':', colon + 1) != std::string::npos) {
            throw UsageError("segments takes D1:L1,D2:L2,... (got \"" + column + "\")");
        }
        segments.push_back({CellText(column.substr(0, colon), column),
                            CellText(column.substr(colon + 1), column)});
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return segments;
}

Result RunSlot(const Common& common, const Values& values) {
    SlotInput input;
    input.widthText = BoxText(values, "width", input.widthText);
    input.distanceText = BoxText(values, "distance", input.distanceText);
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckSlot, SlotScript));
}

Result RunCam(const Common& common, const Values& values) {
    CamInput input;
    input.r1Text = BoxText(values, "r1", input.r1Text);
    input.r2Text = BoxText(values, "r2", input.r2Text);
    input.distanceText = BoxText(values, "distance", input.distanceText);
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckCam, CamScript));
}

Result RunKeyway(const Common& common, const Values& values) {
    KeywayInput input;
    input.keyWidthText = BoxText(values, "key", input.keyWidthText);
    input.diameterText = BoxText(values, "diameter", input.diameterText);
    input.kind = Choice(values, "kind", {"shaft", "hub"},
                        input.kind == KeywayKind::Hub ? "hub" : "shaft") == "hub"
                     ? KeywayKind::Hub
                     : KeywayKind::Shaft;
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckKeyway, KeywayScript));
}

Result RunShaft(const Common& common, const Values& values) {
    ShaftInput input;
    input.segments = Segments(values);
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckShaft, ShaftScript));
}

Result RunCenterDrill(const Common& common, const Values& values) {
    CenterDrillInput input;
    const bool bell = Choice(values, "type", {"plain", "bell"}, "plain") == "bell";
    const bool plainGiven = AllOrNone(values, {"d1", "d2", "l"});
    const bool bellGiven = AllOrNone(values, {"b1", "b2", "b3"});
    if ((bell && values.count("d1")) || (!bell && values.count("b1"))) {
        throw UsageError(bell ? "d1, d2, l are plain sizes; type=bell takes b1, b2, b3"
                              : "b1, b2, b3 are bell sizes; give type=bell");
    }
    if (!bell && plainGiven) {
        input.plain = PlainCenterDrill{"", TableSingle(values, "d1"), TableSingle(values, "d2"),
                                       TableSingle(values, "l")};
    }
    if (bell && bellGiven) {
        input.bell = BellCenterDrill{"", TableSingle(values, "b1"), TableSingle(values, "b2"),
                                     TableSingle(values, "b3")};
    }
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(
        CheckThenGenerate(input, common.context, CheckCenterDrill, CenterDrillScript));
}

}  // namespace

std::vector<Feature> ProfileFeatures() {
    return {
        {"slot", {"width", "distance"}, "text: width= [0.250] distance= [1.000]", RunSlot},
        {"cam",
         {"r1", "r2", "distance"},
         "text: r1= [0.500] r2= [0.375] distance= [1.000]",
         RunCam},
        {"keyway",
         {"key", "diameter", "kind"},
         "text: key= [0.250] diameter= [1.000]; kind=shaft|hub [shaft]",
         RunKeyway},
        {"shaft", {"segments"}, "text: segments=D1:L1,D2:L2,... [1.000:1.000]", RunShaft},
        {"centerdrill",
         {"type", "d1", "d2", "l", "b1", "b2", "b3"},
         "type=plain|bell [plain]; plain: d1= d2= l=; bell: b1= b2= b3=",
         RunCenterDrill},
    };
}

}  // namespace bw::cli
