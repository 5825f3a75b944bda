// The pins features of brasswick-script: ejector, corepin, corenote, taper, and the checks of
// their table files.
#include <cmath>

#include "cli/cli.h"
#include "exchange/files.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "tables/field_reader.h"

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
    input.view = common.view;
    input.direction = common.direction;
    input.hidden = common.hidden.value_or(input.hidden);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckEjector, EjectorScript));
}

Result RunCorePin(const Common& common, const Values& values) {
    CorePinInput input;
    if (AllOrNone(values, {"pin", "head", "headlen"})) {
        input.size = CorePinSize{TableSingle(values, "pin"), TableSingle(values, "head"),
                                 TableSingle(values, "headlen")};
    }
    input.view = common.view;
    input.direction = common.direction;
    input.hidden = common.hidden.value_or(input.hidden);
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
    input.direction = common.direction;
    input.hidden = common.hidden.value_or(input.hidden);
    return ScriptOrMessage(CheckThenGenerate(input, common.context, CheckTaperPin, TaperPinScript));
}

std::string Plural(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::pair<bool, std::string> CheckEjectorFile(const std::string& folder) {
    const EjectorTableLoad load = LoadEjectorTable(folder);
    const std::string counts = Plural(load.table.pinLabels.size(), "pin size", "pin sizes") + ", " +
                               Plural(load.table.depthLabels.size(), "depth", "depths");
    return {load.diagnostic.status == TableStatus::Loaded,
            CheckLine(kEjectorTableFile, kEjectorTableMessages, load.diagnostic, counts)};
}

std::pair<bool, std::string> CheckCorePinFile(const std::string& folder) {
    const CorePinTableLoad load = LoadCorePinTable(folder);
    return {load.diagnostic.status == TableStatus::Loaded,
            CheckLine(kCorePinTableFile, kCorePinTableMessages, load.diagnostic,
                      Plural(load.table.labels.size(), "core pin size", "core pin sizes"))};
}

std::pair<bool, std::string> CheckCoreNumberFile(const std::string& folder) {
    const CoreNumberTableLoad load = LoadCoreNumberTable(folder);
    return {load.diagnostic.status == TableStatus::Loaded,
            CheckLine(kCoreNumberTableFile, kCoreNumberTableMessages, load.diagnostic,
                      Plural(load.table.labels.size(), "core number", "core numbers"))};
}

std::pair<bool, std::string> CheckTaperSizeFile(const std::string& folder) {
    const TaperPinSizesLoad load = LoadTaperPinSizes(folder);
    return {load.diagnostic.status == TableStatus::Loaded,
            CheckLine(kTaperPinSizeFile, kTaperPinSizeMessages, load.diagnostic,
                      Plural(load.sizes.size(), "taper pin size", "taper pin sizes"))};
}

// 003 is read only when a size is picked; here every size of 000 is tried against it, so a
// range that a pick would refuse shows before anyone picks it.
std::pair<bool, std::string> CheckTaperLengthFile(const std::string& folder) {
    const std::string file = kTaperPinLengthFile;
    const std::optional<size_t> count = TaperPinLengthRecordCount(folder);
    if (!count) {
        return {false,
                file + ": " + kTaperPinLengthNotFound + " (" + ProgramFilePath(folder, file) + ")"};
    }
    const std::string counts = Plural(*count, "length record", "length records");
    for (const TaperPinSize& size : LoadTaperPinSizes(folder).sizes) {
        if (std::optional<std::string> problem = TaperPinRangeProblem(size, *count)) {
            return {false, file + ": " + *problem + "; " + counts};
        }
    }
    return {true, file + ": " + counts};
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

std::vector<TableCheck> PinTableChecks() {
    return {
        {kOrderEjector, kEjectorTableFile, CheckEjectorFile},
        {kOrderCorepin, kCorePinTableFile, CheckCorePinFile},
        {kOrderCorenum, kCoreNumberTableFile, CheckCoreNumberFile},
        {kOrder000, kTaperPinSizeFile, CheckTaperSizeFile},
        {kOrder003, kTaperPinLengthFile, CheckTaperLengthFile},
    };
}

}  // namespace bw::cli
