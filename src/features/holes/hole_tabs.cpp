#include "features/holes/hole_tabs.h"

#include "app/feature_tab.h"
#include "features/holes/counterbore_tab.h"
#include "features/holes/drilled_hole_tab.h"
#include "features/holes/tapped_hole_tab.h"
#include "features/holes/thread_tab.h"

namespace bw {

HoleTabs MakeHoleTabs(AppContext& app) {
    HoleTabs tabs;
    tabs.tappedHole = new TappedHoleTab(app);
    tabs.counterbore = new CounterboreTab(app);
    tabs.thread = new ThreadTab(app);
    tabs.drilledHole = new DrilledHoleTab(app);
    return tabs;
}

}  // namespace bw
