#include "features/pins/core_pin_tab.h"

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

CorePinTab::CorePinTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    auto* frame5 = ui::Frame("Frame5", "Options", this);
    auto* options = new QVBoxLayout(frame5);
    option07_ = ui::Option("Option07", "Draw Side", frame5);
    option08_ = ui::Option("Option08", "Draw Face", frame5);
    check02_ = ui::Check("Check02", "Hidden", frame5);
    options->addWidget(option07_);
    options->addWidget(option08_);
    options->addWidget(check02_);

    direction_ =
        ui::MakeDirectionFrame("Frame6", "Option12", "Option11", "Option10", "Option09", this);

    auto* frame7 = ui::Frame("Frame7", "Pin Size", this);
    list3_ = ui::List("List3", frame7);
    (new QVBoxLayout(frame7))->addWidget(list3_);

    command2_ = ui::OkButton("Command2", this);

    layout->addWidget(frame5, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame7, 0, 1, 2, 1);
    layout->addWidget(command2_, 2, 1, Qt::AlignRight);

    WireViewOptions(option07_, option08_, nullptr, direction_.InNameOrder());
    BringToFrontOnFocus({option07_});
    BringToFrontOnFocus({option08_});
    ui::ReportChanges(this,
                      {option07_, option08_, direction_.zero, direction_.quarter, direction_.half,
                       direction_.threeQuarters},
                      {check02_}, {list3_});
    connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });

    direction_.zero->setChecked(true);
    option07_->setChecked(true);
    check02_->setChecked(true);
}

void CorePinTab::LoadTables() {
    const CorePinTableLoad load = LoadCorePinTable(host_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list3_, table_.labels);
    if (load.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kCorePinTableMessages, load.diagnostic));
    }
    const std::string message = TableMessage(kCorePinTableMessages, load.diagnostic);
    if (!message.empty()) host_.ShowMessage(message);
}

CorePinInput CorePinTab::Input() const {
    CorePinInput input;
    if (const int i = SelectedIndex(list3_); i >= 0) input.size = table_.sizes[i];
    input.placement.view = option08_->isChecked() ? View::Face : View::Side;
    input.placement.direction = DirectionOf(direction_.Angle());
    input.placement.hidden = check02_->isChecked();
    return input;
}

std::optional<FeatureStep> CorePinTab::Step() const {
    return BindStep(Input(), CheckCorePin, CorePinScript);
}

void CorePinTab::Command2_Click() {
    const CorePinInput input = Input();
    if (input.size) host_.SetDirectionAngle(Degrees(input.placement.direction));
    host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step());
}

}  // namespace bw
