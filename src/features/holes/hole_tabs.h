// The holes tabs, made for the window in one place, and the small widget helpers they share.
#pragma once

#include "ui/controls.h"

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

// The shared control makers, under the names the tabs of this group use.
using ui::Box;
using ui::Button;
using ui::Check;
using ui::DirectionFrame;
using ui::FillList;
using ui::Frame;
using ui::FrameAround;
using ui::List;
using ui::MakeDirectionFrame;
using ui::OkButton;
using ui::OnPick;
using ui::Option;
using ui::ReportChanges;

}  // namespace holes

}  // namespace bw
