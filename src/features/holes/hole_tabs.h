// The holes tabs, made for the window in one place.
#pragma once

namespace bw {

class AppContext;
class FeatureTab;

struct HoleTabs {
    FeatureTab* tappedHole = nullptr;
    FeatureTab* counterbore = nullptr;
    FeatureTab* thread = nullptr;
    FeatureTab* drilledHole = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
HoleTabs MakeHoleTabs(AppContext& app);

}  // namespace bw
