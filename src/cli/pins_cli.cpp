// The pins features of brasswick-script: ejector, corepin, corenote and taper.
#include <cmath>

#include "cli/cli.h"
#include "exchange/field_reader.h"
#include "exchange/files.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"

namespace bw::cli {

namespace {

// A core number as the loader converts it: rounded to a whole number, 16-bit.
std::optional<int> CoreNumberValue(const Values& values, const std::string& name) {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    double value = 0;
    if (!ParseDoubleField(it->second, value)) {
        throw UsageError(name + "=" + it->second + " is not a number");
    }
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) {
        throw UsageError(name + "=" + it->second + " does not fit a 16-bit core number");
    }
    return static_cast<int>(whole);
}

Result RunEjector(const Common& common, const Values& values) {
    EjectorInput input;
    input.pinDiameter = OptionalTableSingle(values, "pin");
    input.depth = OptionalTableSingle(values, "depth");
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckEjector, EjectorScript));
}

Result RunCorePin(const Common& common, const Values& values) {
    CorePinInput input;
    if (AllOrNone(values, {"pin", "head", "headlen"})) {
        input.size = CorePinSize{TableSingle(values, "pin"), TableSingle(values, "head"),
                                 TableSingle(values, "headlen")};
    }
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckCorePin, CorePinScript));
}

Result RunCoreNote(const Common& common, const Values& values) {
    CoreNoteInput input;
    input.cxPin = Choice(values, "kind", {"C", "CX"}, input.cxPin ? "CX" : "C") == "CX";
    input.coreNumber = CoreNumberValue(values, "number");
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckCoreNote, CoreNoteScript));
}

Result RunTaper(const Common& common, const Values& values) {
    TaperPinInput input;
    input.diameter = OptionalTableSingle(values, "diameter");
    input.length = OptionalTableSingle(values, "length");
    input.placement = common.Placed(input.placement);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckTaperPin, TaperPinScript));
}

}  // namespace

std::vector<Feature> PinFeatures() {
    return {
        {"ejector", {"pin", "depth"}, "pin=Dp depth=L", RunEjector},
        {"corepin", {"pin", "head", "headlen"}, "pin=D1 head=D2 headlen=H", RunCorePin},
        {"corenote", {"kind", "number"}, "kind=C|CX number=N", RunCoreNote},
        {"taper", {"diameter", "length"}, "diameter=D length=L", RunTaper},
    };
}

}  // namespace bw::cli
