// The "Center Drill Holes" tab: plain or bell type, the drill sizes of that type from 001 or
// 002, view, direction and hidden options, and its OK.
#pragma once

#include "features/profiles/center_drill.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CenterDrillTab : public FeatureTabOf<CenterDrillInput> {
    Q_OBJECT
  public:
    explicit CenterDrillTab(Host& host, QWidget* parent = nullptr);

    // Loads 001 and 002 (a missing one disables Command17), then selects "Plain", which
    // fills List16.
    void LoadTables() override;

    void FillPlainDrillList();
    void FillBellDrillList();
    void Option51_Click() { FillBellDrillList(); }   // "Bell"
    void Option52_Click() { FillPlainDrillList(); }  // "Plain"
    // OK: read the insertion info, check, write the hole, minimise.
    void Command17_Click();

    CenterDrillInput Input() const override;
    const std::vector<PlainCenterDrill>& PlainDrills() const { return plain_; }
    const std::vector<BellCenterDrill>& BellDrills() const { return bell_; }

  private:
    QRadioButton* option51_;  // "Bell"
    QRadioButton* option52_;  // "Plain"
    ui::ViewOptions view_;    // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list16_;  // drill sizes of the selected type
    QPushButton* command17_;
    std::vector<PlainCenterDrill> plain_;
    std::vector<BellCenterDrill> bell_;
};

}  // namespace bw
