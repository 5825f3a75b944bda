#include "exchange/settings.h"

#include "exchange/files.h"
#include "exchange/script_format.h"
#include "tables/field_reader.h"

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
    result.ok = true;
    result.settings = s;
    return result;
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

std::string SettingsFilePath(const std::string& programFolder) {
    return WithTrailingSeparator(programFolder) + kSettingsFileName;
}

std::string InfoFilePath(const Settings& settings) { return settings.DrawingPath + kInfoFileName; }

std::string ScriptFilePath(const Settings& settings) {
    return settings.CadPath + "Brasswick" + kPathSeparator + "Brasswick.scr";
}

}  // namespace bw
