#include "exchange/settings.h"

#include "exchange/field_reader.h"
#include "exchange/files.h"
#include "exchange/insertion_info.h"
#include "exchange/limits.h"
#include "exchange/script_format.h"

namespace bw {

SettingsReadResult ParseSettings(std::string_view contents) {
    SettingsReadResult result;
    FieldReader reader(contents);
    Settings s;
    reader.ReadText(s.CadPath);
    reader.ReadText(s.DrawingPath);
    reader.ReadText(s.HiddenLayer);
    reader.ReadSingle(s.EjectorClearance);
    if (reader.Failed()) {
        result.problem = reader.Error() == FieldError::EndOfFile
                             ? "it holds fewer than four fields"
                             : "the ejector clearance is not a number";
        return result;
    }
    if (ClearanceMessage(s.EjectorClearance)) {
        result.problem = "the ejector clearance is negative or exceeds 1000000";
        return result;
    }
    // An edited file may name a layer no "Layer set NAME " line can carry.
    if (std::string layer = HiddenLayerProblem(s.HiddenLayer); !layer.empty()) {
        result.problem = "the hidden layer: " + layer;
        return result;
    }
    result.ok = true;
    result.settings = s;
    return result;
}

std::optional<std::string> ClearanceMessage(float clearance) {
    if (!(clearance >= 0.0f)) return "Ejector Clearance Must Not Be Negative";
    if (!(clearance <= kLargestDrawingSize)) return "Ejector Clearance Must Not Exceed 1000000";
    return std::nullopt;
}

std::string HiddenLayerProblem(const std::string& name) {
    if (std::string problem = LayerNameProblem(name); !problem.empty()) return problem;
    // A quote would end the name early when the file is read back.
    if (name.find('"') != std::string::npos) return "the layer name holds a double quote";
    return {};
}

std::optional<std::string> HiddenLayerMessage(const std::string& name) {
    const std::string problem = HiddenLayerProblem(name);
    if (problem.empty()) return std::nullopt;
    return NotUsableMessage("Hidden Layer Name", name, problem);
}

namespace {

std::optional<std::string> PathMessage(const std::string& what, const std::string& path) {
    std::string problem;
    for (unsigned char c : path) {
        // The file holds the path between two quotes on a line of its own.
        if (c == '"') problem = "the path holds a double quote";
        if (c == '\r' || c == '\n') problem = "the path holds a line end";
        if (!problem.empty()) break;
    }
    if (problem.empty()) return std::nullopt;
    return NotUsableMessage(what, path, problem);
}

}  // namespace

std::optional<std::string> CheckSettings(const Settings& s) {
    if (auto m = PathMessage("AutoCAD LT Path", s.CadPath)) return m;
    if (auto m = PathMessage("Drawing Path", s.DrawingPath)) return m;
    if (auto m = HiddenLayerMessage(s.HiddenLayer)) return m;
    if (auto m = ClearanceMessage(s.EjectorClearance)) return m;
    // Below this the file would need the exponent form, which its bare number line does not
    // have.
    if (s.EjectorClearance > 0.0f && s.EjectorClearance < kSmallestDrawingSize) {
        return "Ejector Clearance Must Be 0 Or At Least .0001";
    }
    return std::nullopt;
}

std::string SettingsFileText(const Settings& s) {
    const std::string& layer = s.HiddenLayer;
    const bool quoteLayer =
        layer.find(',') != std::string::npos ||
        (!layer.empty() && (layer.front() == '"' || layer.front() == ' ' || layer.front() == '\t'));
    std::string text;
    text += "\"" + s.CadPath + "\"\r\n";
    text += "\"" + s.DrawingPath + "\"\r\n";
    text += (quoteLayer ? "\"" + layer + "\"" : layer) + "\r\n";
    text += ScriptNumber(s.EjectorClearance) + "\r\n";
    return text;
}

std::optional<std::string> CadFolderProblem(const std::string& cadPath) {
    const std::string folder = cadPath + "Brasswick";
    if (!FolderExists(folder)) return std::string("it holds no Brasswick folder");
    if (auto error = FolderWriteProblem(folder + kPathSeparator)) {
        return "its Brasswick folder cannot be written: " + *error;
    }
    return std::nullopt;
}

std::string SettingsFilePath(const std::string& programFolder) {
    return WithTrailingSeparator(programFolder) + kSettingsFileName;
}

std::string InfoFilePath(const Settings& settings) { return settings.DrawingPath + kInfoFileName; }

std::string ScriptFilePath(const Settings& settings) {
    return settings.CadPath + "Brasswick" + kPathSeparator + "Brasswick.scr";
}

}  // namespace bw
