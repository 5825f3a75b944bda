#include "features/holes/tapped_hole_tab.h"

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

TappedHoleTab::TappedHoleTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckTappedHole, TappedHoleScript) {
    auto* layout = new QGridLayout(this);

    view_ = MakeViewOptions("Frame8", "Option13", "Option14", "Check03", this);

    direction_ = MakeDirectionFrame("Frame9", "Option18", "Option17", "Option16", "Option15", this);

    auto* frame10 = Frame("Frame10", "Tap Size", this);
    list4_ = List("List4", frame10);
    (new QVBoxLayout(frame10))->addWidget(list4_);
    auto* frame11 = Frame("Frame11", "Depth", this);
    list5_ = List("List5", frame11);
    (new QVBoxLayout(frame11))->addWidget(list5_);

    command3_ = AddOkButton("Command3");

    layout->addWidget(view_.frame, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame10, 0, 1, 2, 1);
    layout->addWidget(frame11, 0, 2, 2, 1);
    layout->addWidget(command3_, 2, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(2, 1);

    WireView(view_, direction_, list5_);
    ReportChanges(this, {}, {}, {list4_, list5_});
    connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });

    // Start-up state; selecting "Draw Side" runs its click, enabling the depths and the
    // directions.
    ShowPlacement(TappedHoleInput{}.placement, view_, direction_);
}

void TappedHoleTab::LoadTables() {
    const TapTableLoad load = LoadTapTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list4_, table_.sizeLabels);
    FillList(list5_, table_.depthLabels);
    AdoptTable(kTapMessages, load.diagnostic);
}

TappedHoleInput TappedHoleTab::Input() const {
    TappedHoleInput input;
    if (const int i = SelectedIndex(list4_); i >= 0) {
        input.size = TapSize{table_.majorDiameter[static_cast<size_t>(i)],
                             table_.drillDiameter[static_cast<size_t>(i)]};
    }
    if (const int j = SelectedIndex(list5_); j >= 0) {
        input.depth = table_.depth[static_cast<size_t>(j)];
    }
    input.placement = ShownPlacement(view_, direction_);
    return input;
}

void TappedHoleTab::Command3_Click() {
    // The direction is taken once a tap size is known, before the depth is checked.
    RunOk(InfoTiming::BeforeChecks,
          [](const TappedHoleInput& input) { return input.size.has_value(); });
}

}  // namespace bw
