// The holes features of brasswick-script: tap, cbore, thread and drill.
#include <cmath>

#include "cli/cli.h"
#include "exchange/field_reader.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"

namespace bw::cli {

namespace {

// A threads-per-unit value as the table loader reads it: a number rounded to a whole count
// that a 16-bit integer holds. Anything else could not stand in the table at all.
int ThreadsPerUnitValue(const Values& values) {
    const std::string& text = values.at("tpi");
    double value = 0;
    if (!ParseDoubleField(text, value)) throw UsageError("tpi=" + text + " is not a number");
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) {
        throw UsageError("tpi=" + text + " does not fit a 16-bit count");
    }
    return static_cast<int>(whole);
}

Result RunTap(const Common& common, const Values& values) {
    TappedHoleInput input;
    if (AllOrNone(values, {"major", "drill"})) {
        input.size = TapSize{TableSingle(values, "major"), TableSingle(values, "drill")};
    }
    input.depth = OptionalTableSingle(values, "depth");
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(
        CheckThenGenerate(input, common.context, CheckTappedHole, TappedHoleScript));
}

Result RunCbore(const Common& common, const Values& values) {
    CounterboreInput input;
    if (AllOrNone(values, {"screw", "cbore"})) {
        input.size = CboreSize{TableSingle(values, "screw"), TableSingle(values, "cbore")};
    }
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(
        CheckThenGenerate(input, common.context, CheckCounterbore, CounterboreScript));
}

Result RunThread(const Common& common, const Values& values) {
    ThreadInput input;
    if (AllOrNone(values, {"diameter", "tpi"})) {
        input.size = ThreadSize{TableSingle(values, "diameter"), ThreadsPerUnitValue(values)};
    }
    input.length = OptionalTableSingle(values, "length");
    input.leftHand = Flag(values, "left", input.leftHand);
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(
        input, common.context, CheckThread,
        [](const ThreadInput& in, const DrawContext& c) { return ThreadScript(in, c); }));
}

Result RunDrill(const Common& common, const Values& values) {
    DrilledHoleInput input;
    input.drillText = BoxText(values, "drill", input.drillText);
    input.countersinkText = BoxText(values, "csink", input.countersinkText);
    input.depthText = BoxText(values, "depth", input.depthText);
    input.countersunk = Flag(values, "countersunk", input.countersunk);
    input.angle =
        Choice(values, "angle", {"82", "100"}, std::to_string(input.angle)) == "100" ? 100 : 82;
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(
        CheckThenGenerate(input, common.context, CheckDrilledHole, DrilledHoleScript));
}

}  // namespace

std::vector<Feature> HoleFeatures() {
    return {
        {"tap", {"major", "drill", "depth"}, "major=Dm drill=Dt depth=D", RunTap},
        {"cbore", {"screw", "cbore"}, "screw=S cbore=Dc", RunCbore},
        {"thread",
         {"diameter", "tpi", "length", "left"},
         "diameter=D tpi=T length=L left=0|1",
         RunThread},
        {"drill",
         {"drill", "csink", "depth", "countersunk", "angle"},
         "drill=TEXT csink=TEXT depth=TEXT countersunk=0|1 angle=82|100",
         RunDrill},
    };
}

}  // namespace bw::cli
