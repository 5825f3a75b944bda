#include "features/holes/hole_tabs.h"

#include "app/feature_tab.h"

namespace bw {

HoleTabs MakeHoleTabs(AppContext& app) {
    HoleTabs tabs;
    tabs.tappedHole = new FeatureTab(app);
    tabs.counterbore = new FeatureTab(app);
    tabs.thread = new FeatureTab(app);
    tabs.drilledHole = new FeatureTab(app);
    return tabs;
}

}  // namespace bw
