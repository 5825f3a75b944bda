// Any bytes as a settings file; whatever reads cleanly must write back and read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto first =
        bw::ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.ok) return 0;
    const auto& s = first.settings;
    // Only what the Settings tab would store goes back through the file.
    for (const std::string* text : {&s.CadPath, &s.DrawingPath, &s.HiddenLayer}) {
        if (text->find_first_of("\"\r\n") != std::string::npos) return 0;
    }
    if (!s.HiddenLayer.empty() && (s.HiddenLayer.front() == ' ' || s.HiddenLayer.front() == '\t'))
        return 0;
    if (s.EjectorClearance < 0 || s.EjectorClearance > 1e6f) return 0;
    const auto second = bw::ParseSettings(bw::SettingsFileText(s));
    if (!second.ok || second.settings.CadPath != s.CadPath ||
        second.settings.DrawingPath != s.DrawingPath ||
        second.settings.HiddenLayer != s.HiddenLayer) {
        std::abort();
    }
    return 0;
}
