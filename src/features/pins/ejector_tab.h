// The "Ejector Pin Holes" tab: pin size and depth lists from ejector.dat, view, direction and
// hidden options, and its OK.
#pragma once

#include "features/pins/ejector.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class EjectorTab : public FeatureTabOf<EjectorInput> {
    Q_OBJECT
  public:
    explicit EjectorTab(Host& host, QWidget* parent = nullptr);

    // Loads ejector.dat into List1, List2 and the table; a missing file disables Command1.
    void LoadTables() override;

    // OK: read the insertion info, check, write the hole, minimise.
    void Command1_Click();

    // The choices as they stand.
    EjectorInput Input() const override;
    const EjectorTable& Table() const { return table_; }

  private:
    ui::ViewOptions view_;  // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list1_;  // pin sizes
    QListWidget* list2_;  // depths
    QPushButton* command1_;
    EjectorTable table_;
};

}  // namespace bw
