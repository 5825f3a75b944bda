#include "features/pins/ejector_tab.h"

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

EjectorTab::EjectorTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    auto* frame1 = ui::Frame("frame1", "Options", this);
    auto* options = new QVBoxLayout(frame1);
    option01_ = ui::Option("Option01", "Draw Side", frame1);
    option02_ = ui::Option("Option02", "Draw Face", frame1);
    check01_ = ui::Check("Check01", "Hidden", frame1);
    options->addWidget(option01_);
    options->addWidget(option02_);
    options->addWidget(check01_);

    direction_ =
        ui::MakeDirectionFrame("frame2", "Option06", "Option05", "Option04", "Option03", this);

    auto* frame3 = ui::Frame("frame3", "Pin Size", this);
    list1_ = ui::List("List1", frame3);
    (new QVBoxLayout(frame3))->addWidget(list1_);
    auto* frame4 = ui::Frame("frame4", "Depth", this);
    list2_ = ui::List("List2", frame4);
    (new QVBoxLayout(frame4))->addWidget(list2_);

    command1_ = ui::OkButton("Command1", this);

    layout->addWidget(frame1, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame3, 0, 1, 2, 1);
    layout->addWidget(frame4, 0, 2, 2, 1);
    layout->addWidget(command1_, 2, 2, Qt::AlignRight);

    WireViewOptions(option01_, option02_, list2_, direction_.InNameOrder());
    for (QWidget* control : {static_cast<QWidget*>(list1_), static_cast<QWidget*>(option01_),
                             static_cast<QWidget*>(option02_)}) {
        BringToFrontOnFocus({control});
    }
    ui::ReportChanges(this,
                      {option01_, option02_, direction_.zero, direction_.quarter, direction_.half,
                       direction_.threeQuarters},
                      {check01_}, {list1_, list2_});
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    // Start-up state: selecting "Draw Side" from here runs its click, enabling the depths
    // and the directions.
    option01_->setChecked(true);
    direction_.zero->setChecked(true);
    check01_->setChecked(true);
}

void EjectorTab::LoadTables() {
    const EjectorTableLoad load = LoadEjectorTable(host_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list1_, table_.pinLabels);
    ui::FillList(list2_, table_.depthLabels);
    if (load.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kEjectorTableMessages, load.diagnostic));
    }
    const std::string message = TableMessage(kEjectorTableMessages, load.diagnostic);
    if (!message.empty()) host_.ShowMessage(message);
}

EjectorInput EjectorTab::Input() const {
    EjectorInput input;
    if (const int i = SelectedIndex(list1_); i >= 0) input.pinDiameter = table_.pinDiameters[i];
    if (const int j = SelectedIndex(list2_); j >= 0) input.depth = table_.depths[j];
    input.placement.view = option02_->isChecked() ? View::Face : View::Side;
    input.placement.direction = DirectionOf(direction_.Angle());
    input.placement.hidden = check01_->isChecked();
    return input;
}

std::optional<FeatureStep> EjectorTab::Step() const {
    return BindStep(Input(), CheckEjector, EjectorScript);
}

void EjectorTab::Command1_Click() {
    const EjectorInput input = Input();
    // The direction is taken as soon as a pin size is known, before the depth check.
    if (input.pinDiameter) host_.SetDirectionAngle(Degrees(input.placement.direction));
    host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step());
}

}  // namespace bw
