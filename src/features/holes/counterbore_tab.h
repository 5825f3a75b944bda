// The "Counterbores" tab: screw sizes from Cbore.dat, view, direction and hidden options, and
// its OK.
#pragma once

#include "features/holes/counterbore.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CounterboreTab : public FeatureTabOf<CounterboreInput> {
    Q_OBJECT
  public:
    explicit CounterboreTab(Host& host, QWidget* parent = nullptr);

    // Loads Cbore.dat into List6 and the table; a missing file disables Command4.
    void LoadTables() override;

    // OK: read the insertion info, check, write the hole, minimise.
    void Command4_Click();

    CounterboreInput Input() const override;
    const CboreTable& Table() const { return table_; }

  private:
    QListWidget* list6_;    // screw sizes
    ui::ViewOptions view_;  // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QPushButton* command4_;
    CboreTable table_;
};

}  // namespace bw
