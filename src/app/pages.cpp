#include "app/pages.h"

#include <map>

#include "app/about_tab.h"
#include "app/app_context.h"
#include "app/settings_tab.h"
#include "features/holes/counterbore_tab.h"
#include "features/holes/drilled_hole_tab.h"
#include "features/holes/tapped_hole_tab.h"
#include "features/holes/thread_tab.h"
#include "features/pins/core_note_tab.h"
#include "features/pins/core_pin_tab.h"
#include "features/pins/ejector_tab.h"
#include "features/pins/taper_pin_tab.h"
#include "features/profiles/cam_tab.h"
#include "features/profiles/center_drill_tab.h"
#include "features/profiles/keyway_tab.h"
#include "features/profiles/shaft_tab.h"
#include "features/profiles/slot_tab.h"
#include "features/registry.h"

namespace bw {

namespace {

template <typename Tab>
FeatureTab* Make(AppContext& app) {
    return new Tab(app);
}

// The tab of each page, by the registry row's caption: the core cannot know Qt.
const std::map<std::string, FeatureTab* (*)(AppContext&)>& Makers() {
    static const std::map<std::string, FeatureTab* (*)(AppContext&)> makers = {
        {"Ejector Pin Holes", Make<EjectorTab>},
        {"Core Pins", Make<CorePinTab>},
        {"Tapped Holes", Make<TappedHoleTab>},
        {"Counterbores", Make<CounterboreTab>},
        {"Core Note", Make<CoreNoteTab>},
        {"Threads", Make<ThreadTab>},
        {"About", Make<AboutTab>},
        {"Settings", Make<SettingsTab>},
        {"Slotted Holes", Make<SlotTab>},
        {"Simple Cams", Make<CamTab>},
        {"Keyways", Make<KeywayTab>},
        {"Taper Pins", Make<TaperPinTab>},
        {"Center Drill Holes", Make<CenterDrillTab>},
        {"Shafts", Make<ShaftTab>},
        {"Drilled Holes", Make<DrilledHoleTab>},
    };
    return makers;
}

}  // namespace

FeatureTab* (*TabMaker(const std::string& caption))(AppContext&) {
    auto it = Makers().find(caption);
    return it == Makers().end() ? nullptr : it->second;
}

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = [] {
        std::vector<Page> list;
        for (const FeatureRow& row : Registry()) {
            std::vector<std::string> files;
            for (const TableFile& file : row.tables) {
                if (file.loadedAtStartUp) files.push_back(file.name);
            }
            list.push_back({row.caption.c_str(), TabMaker(row.caption), files});
        }
        return list;
    }();
    return pages;
}

}  // namespace bw
