// The "Core Pins" tab: the size list from Corepin.dat, view, direction and hidden options,
// and its OK.
#pragma once

#include "features/pins/core_pin.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CorePinTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit CorePinTab(Host& host, QWidget* parent = nullptr);

    // Loads Corepin.dat into List3 and the table; a missing file disables Command2.
    void LoadTables() override;
    std::optional<FeatureStep> Step() const override;

    // OK: read the insertion info, check, write the pin seat, minimise.
    void Command2_Click();

    CorePinInput Input() const;
    const CorePinTable& Table() const { return table_; }

  private:
    QRadioButton* option07_;  // "Draw Side"
    QRadioButton* option08_;  // "Draw Face"
    QCheckBox* check02_;      // "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list3_;
    QPushButton* command2_;
    CorePinTable table_;
};

}  // namespace bw
