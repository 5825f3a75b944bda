#include "features/profiles/profile_tabs.h"

#include "app/feature_tab.h"

namespace bw {

ProfileTabs MakeProfileTabs(AppContext& app) {
    ProfileTabs tabs;
    tabs.slot = new FeatureTab(app);
    tabs.cam = new FeatureTab(app);
    tabs.keyway = new FeatureTab(app);
    tabs.shaft = new FeatureTab(app);
    tabs.centerDrill = new FeatureTab(app);
    return tabs;
}

}  // namespace bw
