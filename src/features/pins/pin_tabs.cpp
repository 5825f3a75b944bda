#include "features/pins/pin_tabs.h"

#include "app/feature_tab.h"
#include "features/pins/core_note_tab.h"
#include "features/pins/core_pin_tab.h"
#include "features/pins/ejector_tab.h"
#include "features/pins/taper_pin_tab.h"

namespace bw {

PinTabs MakePinTabs(AppContext& app) {
    PinTabs tabs;
    tabs.ejector = new EjectorTab(app);
    tabs.corePin = new CorePinTab(app);
    tabs.coreNote = new CoreNoteTab(app);
    tabs.taperPin = new TaperPinTab(app);
    return tabs;
}

}  // namespace bw
