#include "features/pins/pin_tabs.h"

#include "app/feature_tab.h"

namespace bw {

PinTabs MakePinTabs(AppContext& app) {
    PinTabs tabs;
    tabs.ejector = new FeatureTab(app);
    tabs.corePin = new FeatureTab(app);
    tabs.coreNote = new FeatureTab(app);
    tabs.taperPin = new FeatureTab(app);
    return tabs;
}

}  // namespace bw
