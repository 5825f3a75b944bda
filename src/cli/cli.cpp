#include "cli/cli.h"

#include <algorithm>
#include <sstream>

#include "cli/render_cli.h"
#include "exchange/field_reader.h"
#include "exchange/insertion_info.h"

namespace bw::cli {

namespace {

const std::vector<std::string> kCommonNames = {"base",      "scale",  "layer", "hidden-layer",
                                               "clearance", "hidden", "view",  "dir"};

std::string UsageText() {
    std::string text =
        "usage: brasswick-script FEATURE [NAME=VALUE ...]\n"
        "       brasswick-script check [FOLDER]\n"
        "common names: base=X,Y scale=S layer=NAME hidden-layer=NAME clearance=C hidden=0|1\n"
        "              view=side|face dir=0|90|180|270\n"
        "features:\n";
    for (const FeatureRow* f : CommandLineFeatures())
        text += "  " + f->command + " " + f->usage + "\n";
    return text + RenderUsage();
}

Result Usage(const std::string& problem) {
    return {2, "", "brasswick-script: " + problem + "\n" + UsageText()};
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
    GivenPlacement& p = c.placement;
    if (values.count("hidden")) p.hidden = Flag(values, "hidden", false);
    p.view = Choice(values, "view", {"side", "face"}, "side") == "face" ? View::Face : View::Side;
    p.direction = DirectionOf(std::stoi(Choice(values, "dir", {"0", "90", "180", "270"}, "0")));
    return c;
}

}  // namespace

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
    const FeatureRow* feature = FindFeature(args[0]);
    if (!feature) return Usage("unknown feature " + args[0]);
    Values values;
    for (size_t i = 1; i < args.size(); ++i) {
        const size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0) return Usage("expected NAME=VALUE: " + args[i]);
        const std::string name = args[i].substr(0, eq);
        const bool known =
            std::find(kCommonNames.begin(), kCommonNames.end(), name) != kCommonNames.end() ||
            std::find(feature->names.begin(), feature->names.end(), name) != feature->names.end();
        if (!known) return Usage("unknown name " + name + " for " + feature->command);
        if (values.count(name)) return Usage(name + " is given twice");
        values[name] = args[i].substr(eq + 1);
    }
    try {
        const Common common = ParseCommon(values);
        // Well-formed values that nothing can be drawn with are a failed check, as in the
        // window, where the Settings tab and the info-file reader refuse them.
        if (auto message = CheckDrawContext(common.context)) return {1, "", *message + "\n"};
        const StepOutcome outcome = feature->run(values, common.placement, common.context);
        // A failed check prints the message the window would show, as one line.
        Result result = outcome.Failed() ? Result{1, "", outcome.message + "\n"}
                                         : Result{0, outcome.script, ""};
        return WithDrawings(std::move(result), common, drawings);
    } catch (const UsageError& e) {
        return Usage(e.what());
    } catch (const std::exception& e) {
        return Usage(e.what());
    }
}

}  // namespace bw::cli
