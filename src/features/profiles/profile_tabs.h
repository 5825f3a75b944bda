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

namespace profiles {

// The tab indexes that focus brings to the front.
inline constexpr int kSlotTabIndex = 8;
inline constexpr int kCamTabIndex = 9;
inline constexpr int kKeywayTabIndex = 10;
inline constexpr int kCenterDrillTabIndex = 12;
inline constexpr int kShaftTabIndex = 13;

}  // namespace profiles

}  // namespace bw
