#include "features/holes/counterbore_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/entry_fields.h"

namespace bw {

CounterboreTab::CounterboreTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    auto* frame12 = ui::Frame("Frame12", "Screw Size", this);
    list6_ = ui::List("List6", frame12);
    (new QVBoxLayout(frame12))->addWidget(list6_);

    direction_ =
        ui::MakeDirectionFrame("Frame13", "Option22", "Option21", "Option20", "Option19", this);

    auto* frame14 = ui::Frame("Frame14", "Options", this);
    auto* options = new QVBoxLayout(frame14);
    option23_ = ui::Option("Option23", "Draw Side", frame14);
    option24_ = ui::Option("Option24", "Draw Face", frame14);
    check04_ = ui::Check("Check04", "Hidden", frame14);
    options->addWidget(option23_);
    options->addWidget(option24_);
    options->addWidget(check04_);

    command4_ = ui::OkButton("Command4", this);

    layout->addWidget(frame14, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame12, 0, 1, 2, 1);
    layout->addWidget(command4_, 2, 1, Qt::AlignRight);

    WireViewOptions(
        option23_, option24_, nullptr,
        {direction_.threeQuarters, direction_.half, direction_.quarter, direction_.zero});
    BringToFrontOnFocus({option23_});
    BringToFrontOnFocus({option24_});
    ui::ReportChanges(this, {option23_, option24_}, {check04_}, {list6_});
    ui::ReportChanges(this, direction_.Options(), {}, {});
    connect(command4_, &QPushButton::clicked, this, [this] { Command4_Click(); });

    direction_.zero->setChecked(true);
    option23_->setChecked(true);
    check04_->setChecked(true);
}

void CounterboreTab::LoadTables() {
    const CboreTableLoad load = LoadCboreTable(host_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list6_, table_.labels);
    if (load.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kCboreMessages, load.diagnostic));
    }
    const std::string message = TableMessage(kCboreMessages, load.diagnostic);
    if (!message.empty()) host_.ShowMessage(message);
}

CounterboreInput CounterboreTab::Input() const {
    CounterboreInput input;
    if (const int i = SelectedIndex(list6_); i >= 0) {
        input.size = CboreSize{table_.screwDiameter[static_cast<size_t>(i)],
                               table_.cboreDiameter[static_cast<size_t>(i)]};
    }
    input.placement.view = option24_->isChecked() ? View::Face : View::Side;
    input.placement.hidden = check04_->isChecked();
    input.placement.direction = DirectionOf(direction_.Angle());
    return input;
}

std::optional<FeatureStep> CounterboreTab::Step() const {
    return BindStep(Input(), CheckCounterbore, CounterboreScript);
}

void CounterboreTab::Command4_Click() {
    const CounterboreInput input = Input();
    if (input.size) host_.SetDirectionAngle(Degrees(input.placement.direction));
    host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step());
}

}  // namespace bw
