// The "Tapped Holes" tab: tap sizes and depths from Tap.dat, view, direction and hidden
// options, and its OK.
#pragma once

#include "features/holes/tapped_hole.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class TappedHoleTab : public FeatureTabOf<TappedHoleInput> {
    Q_OBJECT
  public:
    explicit TappedHoleTab(Host& host, QWidget* parent = nullptr);

    // Loads Tap.dat into List4, List5 and the table; a missing file disables Command3.
    void LoadTables() override;

    // OK: read the insertion info, check, write the hole, minimise.
    void Command3_Click();

    // The choices as they stand.
    TappedHoleInput Input() const override;
    const TapTable& Table() const { return table_; }

  private:
    ui::ViewOptions view_;  // "Draw Side", "Draw Face", "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list4_;  // tap sizes
    QListWidget* list5_;  // depths
    QPushButton* command3_;
    TapTable table_;
};

}  // namespace bw
