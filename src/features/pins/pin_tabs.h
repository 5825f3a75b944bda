// The pins tabs, made for the window in one place.
#pragma once

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

}  // namespace bw
