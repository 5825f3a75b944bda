// The "Core Pins" tab: the size list from Corepin.dat, view, direction and hidden options,
// and its OK.
#pragma once

#include "features/pins/core_pin.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CorePinTab : public FeatureTabOf<CorePinInput> {
    Q_OBJECT
  public:
    explicit CorePinTab(Host& host, QWidget* parent = nullptr);

    // Loads Corepin.dat into List3 and the table; a missing file disables Command2.
    void LoadTables() override;

    // OK: read the insertion info, check, write the pin seat, minimise.
    void Command2_Click();

    CorePinInput Input() const override;
    const CorePinTable& Table() const { return table_; }

  private:
    ui::ViewOptions view_;  // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list3_;
    QPushButton* command2_;
    CorePinTable table_;
};

}  // namespace bw
