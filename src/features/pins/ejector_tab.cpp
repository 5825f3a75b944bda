#include "features/pins/ejector_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"

namespace bw {

using namespace ui;

EjectorTab::EjectorTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckEjector, EjectorScript) {
    auto* layout = new QGridLayout(this);

    view_ = MakeViewOptions("frame1", "Option01", "Option02", "Check01", this);

    direction_ = MakeDirectionFrame("frame2", "Option06", "Option05", "Option04", "Option03", this);

    auto* frame3 = Frame("frame3", "Pin Size", this);
    list1_ = List("List1", frame3);
    (new QVBoxLayout(frame3))->addWidget(list1_);
    auto* frame4 = Frame("frame4", "Depth", this);
    list2_ = List("List2", frame4);
    (new QVBoxLayout(frame4))->addWidget(list2_);

    command1_ = AddOkButton("Command1");

    layout->addWidget(view_.frame, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame3, 0, 1, 2, 1);
    layout->addWidget(frame4, 0, 2, 2, 1);
    layout->addWidget(command1_, 2, 2, Qt::AlignRight);

    WireView(view_, direction_, list2_);
    BringToFrontOnFocus({list1_});
    ReportChanges(this, {}, {}, {list1_, list2_});
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    // Start-up state: selecting "Draw Side" from here runs its click, enabling the depths
    // and the directions.
    ShowPlacement(EjectorInput{}.placement, view_, direction_);
}

void EjectorTab::LoadTables() {
    const EjectorTableLoad load = LoadEjectorTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list1_, table_.pinLabels);
    FillList(list2_, table_.depthLabels);
    AdoptTable(kEjectorTableMessages, load.diagnostic);
}

EjectorInput EjectorTab::Input() const {
    EjectorInput input;
    if (const int i = SelectedIndex(list1_); i >= 0) input.pinDiameter = table_.pinDiameters[i];
    if (const int j = SelectedIndex(list2_); j >= 0) input.depth = table_.depths[j];
    input.placement = ShownPlacement(view_, direction_);
    return input;
}

void EjectorTab::Command1_Click() {
    // The direction is taken as soon as a pin size is known, before the depth check.
    RunOk(InfoTiming::BeforeChecks,
          [](const EjectorInput& input) { return input.pinDiameter.has_value(); });
}

}  // namespace bw
