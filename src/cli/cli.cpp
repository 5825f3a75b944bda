#include "cli/cli.h"

#include <algorithm>
#include <sstream>

#include "cli/render_cli.h"
#include "exchange/field_reader.h"
#include "exchange/insertion_info.h"
#include "features/table_files.h"

namespace bw::cli {

namespace {

const std::vector<std::string> kCommonNames = {"base",      "scale",  "layer", "hidden-layer",
                                               "clearance", "hidden", "view",  "dir"};

std::vector<Feature> AllFeatures() {
    std::vector<Feature> all;
    for (auto group : {PinFeatures, HoleFeatures, ProfileFeatures}) {
        auto features = group();
        all.insert(all.end(), features.begin(), features.end());
    }
    return all;
}

std::string UsageText() {
    std::string text =
        "usage: brasswick-script FEATURE [NAME=VALUE ...]\n"
        "       brasswick-script check [FOLDER]\n"
        "common names: base=X,Y scale=S layer=NAME hidden-layer=NAME clearance=C hidden=0|1\n"
        "              view=side|face dir=0|90|180|270\n"
        "features:\n";
    for (const Feature& f : AllFeatures()) text += "  " + f.name + " " + f.usage + "\n";
    return text + RenderUsage();
}

Result Usage(const std::string& problem) {
    return {2, "", "brasswick-script: " + problem + "\n" + UsageText()};
}

float Number(const std::string& name, const std::string& text) {
    float value = 0;
    if (!ParseSingleField(text, value)) throw UsageError(name + "=" + text + " is not a number");
    return value;
}

Common ParseCommon(const Values& values) {
    Common c;
    if (auto it = values.find("base"); it != values.end()) {
        const size_t comma = it->second.find(',');
        if (comma == std::string::npos) throw UsageError("base takes X,Y");
        c.context.BasePoint = {Number("base", it->second.substr(0, comma)),
                               Number("base", it->second.substr(comma + 1))};
    }
    if (auto it = values.find("scale"); it != values.end()) {
        c.context.InsertScale = Number("scale", it->second);
    }
    if (auto it = values.find("layer"); it != values.end()) {
        c.context.CurrentLayer = it->second;
    }
    if (auto it = values.find("hidden-layer"); it != values.end()) {
        c.context.HiddenLayer = it->second;
    }
    if (auto it = values.find("clearance"); it != values.end()) {
        c.context.EjectorClearance = Number("clearance", it->second);
    }
    if (values.count("hidden")) c.hidden = Flag(values, "hidden", false);
    c.view = Choice(values, "view", {"side", "face"}, "side") == "face" ? View::Face : View::Side;
    c.direction = DirectionOf(std::stoi(Choice(values, "dir", {"0", "90", "180", "270"}, "0")));
    return c;
}

}  // namespace

Result ScriptOrMessage(const StepOutcome& outcome) {
    if (outcome.Failed()) return {1, "", outcome.message + "\n"};
    return {0, outcome.script, ""};
}

float TableSingle(const Values& values, const std::string& name) {
    auto it = values.find(name);
    if (it == values.end()) throw UsageError(name + "= is missing");
    return Number(name, it->second);
}

std::optional<float> OptionalTableSingle(const Values& values, const std::string& name) {
    if (!values.count(name)) return std::nullopt;
    return TableSingle(values, name);
}

std::string BoxText(const Values& values, const std::string& name, const std::string& fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    for (char ch : it->second) {
        if (!IsBoxCharacter(ch)) {
            throw UsageError(name + "=" + it->second +
                             ": the box takes only digits, \".\", \"/\" and blanks");
        }
    }
    return it->second;
}

bool IsBoxCharacter(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '.' || ch == '/' || ch == ' ';
}

bool Flag(const Values& values, const std::string& name, bool fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    if (it->second == "1") return true;
    if (it->second == "0") return false;
    throw UsageError(name + " takes 0 or 1");
}

std::string Choice(const Values& values, const std::string& name,
                   const std::vector<std::string>& allowed, const std::string& fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    if (std::find(allowed.begin(), allowed.end(), it->second) == allowed.end()) {
        std::string list;
        for (const auto& a : allowed) list += (list.empty() ? "" : "|") + a;
        throw UsageError(name + " takes " + list);
    }
    return it->second;
}

bool AllOrNone(const Values& values, const std::vector<std::string>& names) {
    size_t given = 0;
    for (const auto& n : names) given += values.count(n);
    if (given != 0 && given != names.size()) {
        std::string list;
        for (const auto& n : names) list += (list.empty() ? "" : ", ") + n;
        throw UsageError(list + " must be given together");
    }
    return given == names.size();
}

Result Run(const std::vector<std::string>& givenArgs, const std::string& programFolder) {
    // "--svg FILE" and "--dxf FILE" may stand anywhere; the rest is read without them.
    std::vector<std::string> args = givenArgs;
    DrawingFiles drawings;
    try {
        drawings = TakeDrawingFiles(args);
        if (!args.empty() && args[0] == "render") {
            return RunRender({args.begin() + 1, args.end()}, drawings);
        }
    } catch (const UsageError& e) {
        return Usage(e.what());
    }
    if (args.empty()) return Usage("no feature given");
    if (drawings.Any() && args[0] == "check") return Usage("check takes no --svg or --dxf");
    if (args[0] == "check") {
        if (args.size() > 2) return Usage("check takes at most one folder");
        const std::string folder = args.size() == 2 ? args[1] : programFolder;
        const TableCheck check = CheckTableFiles(folder);
        return {check.clean ? 0 : 1, check.lines, ""};
    }
    const auto features = AllFeatures();
    auto feature = std::find_if(features.begin(), features.end(),
                                [&](const Feature& f) { return f.name == args[0]; });
    if (feature == features.end()) return Usage("unknown feature " + args[0]);
    Values values;
    for (size_t i = 1; i < args.size(); ++i) {
        const size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0) return Usage("expected NAME=VALUE: " + args[i]);
        const std::string name = args[i].substr(0, eq);
        const bool known =
            std::find(kCommonNames.begin(), kCommonNames.end(), name) != kCommonNames.end() ||
            std::find(feature->names.begin(), feature->names.end(), name) != feature->names.end();
        if (!known) return Usage("unknown name " + name + " for " + feature->name);
        if (values.count(name)) return Usage(name + " is given twice");
        values[name] = args[i].substr(eq + 1);
    }
    try {
        const Common common = ParseCommon(values);
        // Well-formed values that nothing can be drawn with are a failed check, as in the
        // window, where the Settings tab and the info-file reader refuse them.
        if (auto message = CheckDrawContext(common.context)) return {1, "", *message + "\n"};
        Result result = feature->run(common, values);
        return WithDrawings(std::move(result), common, drawings);
    } catch (const UsageError& e) {
        return Usage(e.what());
    } catch (const std::exception& e) {
        return Usage(e.what());
    }
}

}  // namespace bw::cli
