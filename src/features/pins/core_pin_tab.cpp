#include "features/pins/core_pin_tab.h"

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

CorePinTab::CorePinTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckCorePin, CorePinScript) {
    auto* layout = new QGridLayout(this);

    view_ = MakeViewOptions("Frame5", "Option07", "Option08", "Check02", this);

    direction_ = MakeDirectionFrame("Frame6", "Option12", "Option11", "Option10", "Option09", this);

    auto* frame7 = Frame("Frame7", "Pin Size", this);
    list3_ = List("List3", frame7);
    (new QVBoxLayout(frame7))->addWidget(list3_);

    command2_ = AddOkButton("Command2");

    layout->addWidget(view_.frame, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame7, 0, 1, 2, 1);
    layout->addWidget(command2_, 2, 1, Qt::AlignRight);

    WireView(view_, direction_);
    ReportChanges(this, {}, {}, {list3_});
    connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });

    ShowPlacement(CorePinInput{}.placement, view_, direction_);
}

void CorePinTab::LoadTables() {
    const CorePinTableLoad load = LoadCorePinTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list3_, table_.labels);
    AdoptTable(kCorePinTableMessages, load.diagnostic);
}

CorePinInput CorePinTab::Input() const {
    CorePinInput input;
    if (const int i = SelectedIndex(list3_); i >= 0) input.size = table_.sizes[i];
    input.placement = ShownPlacement(view_, direction_);
    return input;
}

void CorePinTab::Command2_Click() {
    RunOk(InfoTiming::BeforeChecks,
          [](const CorePinInput& input) { return input.size.has_value(); });
}

}  // namespace bw
