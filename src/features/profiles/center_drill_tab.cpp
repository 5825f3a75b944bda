#include "features/profiles/center_drill_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

CenterDrillTab::CenterDrillTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckCenterDrill, CenterDrillScript) {
    auto* layout = new QGridLayout(this);

    QGroupBox* frame48 = Frame("Frame48", "Type", this);
    option51_ = Option("Option51", "Bell", frame48);
    option52_ = Option("Option52", "Plain", frame48);
    auto* types = new QVBoxLayout(frame48);
    types->addWidget(option51_);
    types->addWidget(option52_);
    view_ =
        MakeViewOptions("Frame47", "Option45", "Option46", "Check11", this, /*hiddenFirst=*/true);
    direction_ =
        MakeDirectionFrame("Frame46", "Option47", "Option48", "Option49", "Option50", this);
    list16_ = List("List16", this);
    QGroupBox* frame45 = FrameAround("Frame45", "Drill Size", list16_, this);
    command17_ = AddOkButton("Command17");

    layout->addWidget(frame48, 0, 0);
    layout->addWidget(view_.frame, 1, 0);
    layout->addWidget(direction_.frame, 0, 1, 2, 1);
    layout->addWidget(frame45, 0, 2, 2, 1);
    layout->addWidget(command17_, 2, 2, Qt::AlignRight);

    WireView(view_, direction_);
    ReportChanges(this, {option51_, option52_}, {}, {list16_});
    connect(option51_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option51_Click();
    });
    connect(option52_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option52_Click();
    });
    connect(command17_, &QPushButton::clicked, this, [this] { Command17_Click(); });

    // Start-up state; "Plain" is selected once the tables are in.
    ShowPlacement(CenterDrillInput{}.placement, view_, direction_);
}

void CenterDrillTab::LoadTables() {
    const PlainCenterDrillLoad plain = LoadPlainCenterDrills(host_.ProgramFolder());
    plain_ = plain.table;
    AdoptTable(kPlainCenterDrillMessages, plain.diagnostic);
    const BellCenterDrillLoad bell = LoadBellCenterDrills(host_.ProgramFolder());
    bell_ = bell.table;
    AdoptTable(kBellCenterDrillMessages, bell.diagnostic);
    if (option52_->isChecked()) {
        Option52_Click();
    } else {
        option52_->setChecked(true);
    }
}

void CenterDrillTab::FillPlainDrillList() {
    std::vector<std::string> names;
    for (const PlainCenterDrill& drill : plain_) names.push_back(drill.name);
    FillList(list16_, names);
}

void CenterDrillTab::FillBellDrillList() {
    std::vector<std::string> names;
    for (const BellCenterDrill& drill : bell_) names.push_back(drill.name);
    FillList(list16_, names);
}

CenterDrillInput CenterDrillTab::Input() const {
    CenterDrillInput input;
    const int k = SelectedIndex(list16_);
    // The type is the one selected now; the list always holds that type's names.
    if (k >= 0 && option52_->isChecked()) {
        if (static_cast<size_t>(k) < plain_.size()) input.plain = plain_[k];
    } else if (k >= 0) {
        if (static_cast<size_t>(k) < bell_.size()) input.bell = bell_[k];
    }
    input.placement = ShownPlacement(view_, direction_, host_.DirectionAngle());
    return input;
}

void CenterDrillTab::Command17_Click() { RunOk(InfoTiming::BeforeChecks); }

}  // namespace bw
