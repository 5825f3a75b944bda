#include "features/holes/counterbore_tab.h"

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

CounterboreTab::CounterboreTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckCounterbore, CounterboreScript) {
    auto* layout = new QGridLayout(this);

    auto* frame12 = Frame("Frame12", "Screw Size", this);
    list6_ = List("List6", frame12);
    (new QVBoxLayout(frame12))->addWidget(list6_);

    direction_ =
        MakeDirectionFrame("Frame13", "Option22", "Option21", "Option20", "Option19", this);

    view_ = MakeViewOptions("Frame14", "Option23", "Option24", "Check04", this);

    command4_ = AddOkButton("Command4");

    layout->addWidget(view_.frame, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame12, 0, 1, 2, 1);
    layout->addWidget(command4_, 2, 1, Qt::AlignRight);

    WireView(view_, direction_);
    ReportChanges(this, {}, {}, {list6_});
    connect(command4_, &QPushButton::clicked, this, [this] { Command4_Click(); });

    ShowPlacement(CounterboreInput{}.placement, view_, direction_);
}

void CounterboreTab::LoadTables() {
    const CboreTableLoad load = LoadCboreTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list6_, table_.labels);
    AdoptTable(kCboreMessages, load.diagnostic);
}

CounterboreInput CounterboreTab::Input() const {
    CounterboreInput input;
    if (const int i = SelectedIndex(list6_); i >= 0) {
        input.size = CboreSize{table_.screwDiameter[static_cast<size_t>(i)],
                               table_.cboreDiameter[static_cast<size_t>(i)]};
    }
    input.placement = ShownPlacement(view_, direction_);
    return input;
}

void CounterboreTab::Command4_Click() {
    RunOk(InfoTiming::BeforeChecks,
          [](const CounterboreInput& input) { return input.size.has_value(); });
}

}  // namespace bw
