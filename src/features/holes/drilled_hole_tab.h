// The "Drilled Holes" tab: typed drill, countersink and depth fields helped by the screw
// sizes of Csink.dat and the dimensions of Drill.dat, the angle, direction, view and hidden
// options, and its OK.
#pragma once

#include "features/holes/drilled_hole.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class DrilledHoleTab : public FeatureTabOf<DrilledHoleInput> {
    Q_OBJECT
  public:
    explicit DrilledHoleTab(Host& host, QWidget* parent = nullptr);

    // Loads Drill.dat into List17 and Csink.dat into List18; a missing file leaves its list
    // empty and the tab usable with typed values.
    void LoadTables() override;

    // A screw size fills both diameters, selects "82" and ticks "Countersunk".
    void List18_Click();
    // A double-click copies the selected dimension into the field.
    void Text15_DblClick();
    void Text16_DblClick();
    void Text17_DblClick();
    // "Countersunk" enables the countersink diameter, clearing it disables the field.
    void Check13_Click();
    // OK: check the fields, then read the insertion info, write the hole, minimise.
    void Command20_Click();

    DrilledHoleInput Input() const override;
    const DrillTable& Dimensions() const { return drillTable_; }
    const CsinkTable& ScrewSizes() const { return csinkTable_; }

  private:
    void CopySelectedDimension(QLineEdit* box);

    QListWidget* list18_;     // screw sizes
    QListWidget* list17_;     // dimensions
    QLineEdit* text16_;       // drill diameter
    QLineEdit* text15_;       // countersink diameter
    QLineEdit* text17_;       // drill depth
    QRadioButton* option65_;  // "100"
    QRadioButton* option66_;  // "82"
    ui::DirectionFrame direction_;
    QCheckBox* check13_;      // "Countersunk"
    QCheckBox* check14_;      // "Hidden"
    QRadioButton* option59_;  // "Draw Side"
    QRadioButton* option60_;  // "Draw Face"
    QPushButton* command20_;
    DrillTable drillTable_;
    CsinkTable csinkTable_;
};

}  // namespace bw
