// The "Tapped Holes" tab: tap sizes and depths from Tap.dat, view, direction and hidden
// options, and its OK.
#pragma once

#include "features/holes/tapped_hole.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class TappedHoleTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit TappedHoleTab(Host& host, QWidget* parent = nullptr);

    // Loads Tap.dat into List4, List5 and the table; a missing file disables Command3.
    void LoadTables() override;
    std::optional<FeatureStep> Step() const override;

    // OK: read the insertion info, check, write the hole, minimise.
    void Command3_Click();

    // The choices as they stand.
    TappedHoleInput Input() const;
    const TapTable& Table() const { return table_; }

  private:
    QRadioButton* option13_;  // "Draw Side"
    QRadioButton* option14_;  // "Draw Face"
    QCheckBox* check03_;      // "Hidden"
    ui::DirectionFrame direction_;
    QListWidget* list4_;  // tap sizes
    QListWidget* list5_;  // depths
    QPushButton* command3_;
    TapTable table_;
};

}  // namespace bw
