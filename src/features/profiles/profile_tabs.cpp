#include "features/profiles/profile_tabs.h"

#include "app/feature_tab.h"
#include "features/profiles/cam_tab.h"
#include "features/profiles/center_drill_tab.h"
#include "features/profiles/keyway_tab.h"
#include "features/profiles/shaft_tab.h"
#include "features/profiles/slot_tab.h"

namespace bw {

ProfileTabs MakeProfileTabs(AppContext& app) {
    ProfileTabs tabs;
    tabs.slot = new SlotTab(app);
    tabs.cam = new CamTab(app);
    tabs.keyway = new KeywayTab(app);
    tabs.shaft = new ShaftTab(app);
    tabs.centerDrill = new CenterDrillTab(app);
    return tabs;
}

}  // namespace bw
