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

namespace holes {

// Where each tab sits in SSTab1.
inline constexpr int kTappedHolesTab = 2;
inline constexpr int kCounterboresTab = 3;
inline constexpr int kThreadsTab = 5;
inline constexpr int kDrilledHolesTab = 14;

}  // namespace holes

}  // namespace bw
