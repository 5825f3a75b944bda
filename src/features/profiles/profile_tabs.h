// The profiles tabs, made for the window in one place.
#pragma once

namespace bw {

class AppContext;
class FeatureTab;

struct ProfileTabs {
    FeatureTab* slot = nullptr;
    FeatureTab* cam = nullptr;
    FeatureTab* keyway = nullptr;
    FeatureTab* shaft = nullptr;
    FeatureTab* centerDrill = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
ProfileTabs MakeProfileTabs(AppContext& app);

}  // namespace bw
