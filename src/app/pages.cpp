#include "app/pages.h"

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
#include "features/table_files.h"

namespace bw {

namespace {

template <typename Tab>
FeatureTab* Make(AppContext& app) {
    return new Tab(app);
}

}  // namespace

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = {
        {"Ejector Pin Holes", Make<EjectorTab>, {"ejector.dat"}},
        {"Core Pins", Make<CorePinTab>, {"Corepin.dat"}},
        {"Tapped Holes", Make<TappedHoleTab>, {"Tap.dat"}},
        {"Counterbores", Make<CounterboreTab>, {"Cbore.dat"}},
        {"Core Note", Make<CoreNoteTab>, {"Corenum.dat"}},
        {"Threads", Make<ThreadTab>, {"Thread.dat"}},
        {"About", Make<AboutTab>, {"Brasswick.msg"}},
        {"Settings", Make<SettingsTab>, {}},
        {"Slotted Holes", Make<SlotTab>, {"Slot.dat"}},
        {"Simple Cams", Make<CamTab>, {}},
        {"Keyways", Make<KeywayTab>, {"Keyway.dat"}},
        {"Taper Pins", Make<TaperPinTab>, {"000"}},
        // Its loader ends by choosing "Plain", which fills the size list from 001.
        {"Center Drill Holes", Make<CenterDrillTab>, {"001", "002"}},
        {"Shafts", Make<ShaftTab>, {}},
        {"Drilled Holes", Make<DrilledHoleTab>, {"Drill.dat", "Csink.dat"}},
    };
    return pages;
}

const std::vector<std::string>& StartUpTableOrder() {
    // The core's list of table files (the one `check` follows too), with the about text read
    // between the threads and the slots.
    static const std::vector<std::string> order = [] {
        std::vector<std::string> files;
        for (const TableFile& table : TableFiles()) {
            if (!table.loadedAtStartUp) continue;
            files.push_back(table.name);
            if (table.name == "Thread.dat") files.push_back("Brasswick.msg");
        }
        return files;
    }();
    return order;
}

}  // namespace bw
