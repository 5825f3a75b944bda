// The state the whole program shares: the settings, the paths built from them, the
// insertion info and its hand-shake flag, and the direction of the last drawing.
#pragma once

#include <string>

#include "exchange/insertion_info.h"
#include "exchange/settings.h"

namespace bw {

struct Module1 {
    Settings settings;
    std::string SettingsFile;
    std::string InfoFile;
    std::string ScriptFile;
    std::string PickedCadPath;
    std::string PickedDrawingPath;
    InsertionInfo info;
    // The info file has been read and not yet used by a feature that wrote its script.
    bool InsertionInfoRead = false;
    float DirectionAngle = 0.0f;
    // Every feature OK also writes Brasswick.dxf beside the script. Kept in the desktop's
    // settings store, not in DrawPath.txt, whose four lines the CAD side's tools may read.
    bool WriteDxfBesideScript = false;
};

}  // namespace bw
