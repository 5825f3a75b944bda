// The "Slotted Holes" tab: width and center distance lists from Slot.dat that fill the two
// boxes, direction and hidden options, and its OK.
#pragma once

#include "features/profiles/slot.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class SlotTab : public FeatureTabOf<SlotInput> {
    Q_OBJECT
  public:
    explicit SlotTab(Host& host, QWidget* parent = nullptr);

    // Loads Slot.dat into List11, List10 and the table; the OK stays enabled either way.
    void LoadTables() override;

    void List11_Click();  // the picked width into Text6
    void List10_Click();  // the picked center distance into Text7
    // OK: read the insertion info, check, write the slot, minimise.
    void Command13_Click();

    SlotInput Input() const override;
    const SlotTable& Table() const { return table_; }

  private:
    QCheckBox* check07_;  // "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list10_;  // center distances
    QListWidget* list11_;  // widths
    QLineEdit* text6_;     // slot width
    QLineEdit* text7_;     // center distance
    QPushButton* command13_;
    SlotTable table_;
};

}  // namespace bw
