// The "Counterbores" tab: screw sizes from Cbore.dat, view, direction and hidden options, and
// its OK.
#pragma once

#include "features/holes/counterbore.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CounterboreTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit CounterboreTab(Host& host, QWidget* parent = nullptr);

    // Loads Cbore.dat into List6 and the table; a missing file disables Command4.
    void LoadTables() override;
    std::optional<FeatureStep> Step() const override;

    // OK: read the insertion info, check, write the hole, minimise.
    void Command4_Click();

    CounterboreInput Input() const;
    const CboreTable& Table() const { return table_; }

  private:
    QListWidget* list6_;  // screw sizes
    ui::DirectionFrame direction_;
    QRadioButton* option23_;  // "Draw Side"
    QRadioButton* option24_;  // "Draw Face"
    QCheckBox* check04_;      // "Hidden"
    QPushButton* command4_;
    CboreTable table_;
};

}  // namespace bw
