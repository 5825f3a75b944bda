// The pins tabs, made for the window in one place, and the widget pieces they share.
#pragma once

#include "ui/controls.h"

#include <QString>
#include <vector>

namespace bw {

class AppContext;
class FeatureTab;

struct PinTabs {
    FeatureTab* ejector = nullptr;
    FeatureTab* corePin = nullptr;
    FeatureTab* coreNote = nullptr;
    FeatureTab* taperPin = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
PinTabs MakePinTabs(AppContext& app);

namespace pins {

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

}  // namespace pins

}  // namespace bw
