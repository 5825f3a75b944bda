// The four settings and their file, DrawPath.txt, beside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bw {

struct Settings {
    std::string CadPath;      // ends in the path separator once stored
    std::string DrawingPath;  // ends in the path separator once stored
    std::string HiddenLayer = "0";
    float EjectorClearance = 0.015f;
};

struct SettingsReadResult {
    bool ok = false;
    Settings settings;
    std::string problem;
};

inline constexpr const char* kSettingsFileName = "DrawPath.txt";
inline constexpr const char* kInfoFileName = "BW_Info.txt";

// Four comma- or line-separated fields: two quoted paths, the hidden layer, the clearance.
// The separators are not added here; start-up adds them.
SettingsReadResult ParseSettings(std::string_view contents);

// The file as the Settings tab's OK writes it: four CR LF lines, the paths in quotes, the
// clearance as .015. A hidden-layer name that the bare form would not give back unchanged
// (a comma, or a leading quote or blank) is quoted too.
std::string SettingsFileText(const Settings& settings);

// The message for a clearance no drawing can use (negative, or beyond 1000000), or nothing.
std::optional<std::string> ClearanceMessage(float clearance);

// What keeps a hidden-layer name out of a "Layer set NAME " line or the settings file, or ""
// when nothing does.
std::string HiddenLayerProblem(const std::string& name);

// The message for a hidden-layer name that a "Layer set NAME " line or the settings file
// cannot carry, or nothing. The name is shown cut short when it is long.
std::optional<std::string> HiddenLayerMessage(const std::string& name);

// The message for settings the Settings tab's OK must not store, or nothing: a path that the
// quoted file line cannot give back (a double quote or a line end in it), a hidden-layer name
// a script cannot carry, a clearance no drawing can use or that the file would have to write
// with an exponent.
std::optional<std::string> CheckSettings(const Settings& settings);

// Why no script can be written below the CAD folder `cadPath` (ending in a separator), or
// nothing: it needs a Brasswick subfolder the designer can write.
std::optional<std::string> CadFolderProblem(const std::string& cadPath);

// Paths derived from the settings.
std::string SettingsFilePath(const std::string& programFolder);
std::string InfoFilePath(const Settings& settings);
std::string ScriptFilePath(const Settings& settings);

}  // namespace bw
