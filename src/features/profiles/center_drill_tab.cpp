#include "features/profiles/center_drill_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/entry_fields.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

CenterDrillTab::CenterDrillTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    QGroupBox* frame48 = Frame("Frame48", "Type", this);
    option51_ = Option("Option51", "Bell", frame48);
    option52_ = Option("Option52", "Plain", frame48);
    auto* types = new QVBoxLayout(frame48);
    types->addWidget(option51_);
    types->addWidget(option52_);
    QGroupBox* frame47 = Frame("Frame47", "Options", this);
    check11_ = Check("Check11", "Hidden", frame47);
    option45_ = Option("Option45", "Draw Side", frame47);
    option46_ = Option("Option46", "Draw Face", frame47);
    auto* options = new QVBoxLayout(frame47);
    options->addWidget(option45_);
    options->addWidget(option46_);
    options->addWidget(check11_);
    direction_ =
        MakeDirectionFrame("Frame46", "Option47", "Option48", "Option49", "Option50", this);
    list16_ = List("List16", this);
    QGroupBox* frame45 = FrameAround("Frame45", "Drill Size", list16_, this);
    command17_ = ui::OkButton("Command17", this);

    layout->addWidget(frame48, 0, 0);
    layout->addWidget(frame47, 1, 0);
    layout->addWidget(direction_.frame, 0, 1, 2, 1);
    layout->addWidget(frame45, 0, 2, 2, 1);
    layout->addWidget(command17_, 2, 2, Qt::AlignRight);

    WireViewOptions(option45_, option46_, nullptr, direction_.Options());
    BringToFrontOnFocus({option45_});
    BringToFrontOnFocus({option46_});
    QList<QRadioButton*> changing = direction_.Options();
    changing << option45_ << option46_ << option51_ << option52_;
    ReportChanges(this, changing, {check11_}, {list16_}, {});
    connect(option51_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option51_Click();
    });
    connect(option52_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option52_Click();
    });
    connect(command17_, &QPushButton::clicked, this, [this] { Command17_Click(); });

    // Start-up state; "Plain" is selected once the tables are in.
    option45_->setChecked(true);
    direction_.zero->setChecked(true);
    check11_->setChecked(true);
}

void CenterDrillTab::LoadTables() {
    const PlainCenterDrillLoad plain = LoadPlainCenterDrills(host_.ProgramFolder());
    plain_ = plain.table;
    if (plain.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kPlainCenterDrillMessages, plain.diagnostic));
    }
    if (const std::string m = TableMessage(kPlainCenterDrillMessages, plain.diagnostic);
        !m.empty()) {
        host_.ShowMessage(m);
    }
    const BellCenterDrillLoad bell = LoadBellCenterDrills(host_.ProgramFolder());
    bell_ = bell.table;
    if (bell.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kBellCenterDrillMessages, bell.diagnostic));
    }
    if (const std::string m = TableMessage(kBellCenterDrillMessages, bell.diagnostic); !m.empty()) {
        host_.ShowMessage(m);
    }
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
    input.placement.view = option46_->isChecked() ? View::Face : View::Side;
    input.placement.direction = DirectionOf(direction_.Angle(host_.DirectionAngle()));
    input.placement.hidden = check11_->isChecked();
    return input;
}

std::optional<FeatureStep> CenterDrillTab::Step() const {
    return BindStep(Input(), CheckCenterDrill, CenterDrillScript);
}

void CenterDrillTab::Command17_Click() {
    const CenterDrillInput input = Input();
    if (!CheckCenterDrill(input)) host_.SetDirectionAngle(Degrees(input.placement.direction));
    host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step());
}

}  // namespace bw
