#include "features/holes/tapped_hole_tab.h"

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

TappedHoleTab::TappedHoleTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    auto* frame8 = ui::Frame("Frame8", "Options", this);
    auto* options = new QVBoxLayout(frame8);
    option13_ = ui::Option("Option13", "Draw Side", frame8);
    option14_ = ui::Option("Option14", "Draw Face", frame8);
    check03_ = ui::Check("Check03", "Hidden", frame8);
    options->addWidget(option13_);
    options->addWidget(option14_);
    options->addWidget(check03_);

    direction_ =
        ui::MakeDirectionFrame("Frame9", "Option18", "Option17", "Option16", "Option15", this);

    auto* frame10 = ui::Frame("Frame10", "Tap Size", this);
    list4_ = ui::List("List4", frame10);
    (new QVBoxLayout(frame10))->addWidget(list4_);
    auto* frame11 = ui::Frame("Frame11", "Depth", this);
    list5_ = ui::List("List5", frame11);
    (new QVBoxLayout(frame11))->addWidget(list5_);

    command3_ = ui::OkButton("Command3", this);

    layout->addWidget(frame8, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame10, 0, 1, 2, 1);
    layout->addWidget(frame11, 0, 2, 2, 1);
    layout->addWidget(command3_, 2, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(2, 1);

    WireViewOptions(
        option13_, option14_, list5_,
        {direction_.threeQuarters, direction_.half, direction_.quarter, direction_.zero});
    BringToFrontOnFocus({option13_});
    BringToFrontOnFocus({option14_});
    ui::ReportChanges(this, {option13_, option14_}, {check03_}, {list4_, list5_});
    ui::ReportChanges(this, direction_.Options(), {}, {});
    connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });

    // Start-up state; selecting "Draw Side" runs its click, enabling the depths and the
    // directions.
    direction_.zero->setChecked(true);
    option13_->setChecked(true);
    check03_->setChecked(true);
}

void TappedHoleTab::LoadTables() {
    const TapTableLoad load = LoadTapTable(host_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list4_, table_.sizeLabels);
    ui::FillList(list5_, table_.depthLabels);
    if (load.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kTapMessages, load.diagnostic));
    }
    const std::string message = TableMessage(kTapMessages, load.diagnostic);
    if (!message.empty()) host_.ShowMessage(message);
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
    input.placement.view = option14_->isChecked() ? View::Face : View::Side;
    input.placement.hidden = check03_->isChecked();
    input.placement.direction = DirectionOf(direction_.Angle());
    return input;
}

std::optional<FeatureStep> TappedHoleTab::Step() const {
    return BindStep(Input(), CheckTappedHole, TappedHoleScript);
}

void TappedHoleTab::Command3_Click() {
    const TappedHoleInput input = Input();
    // The direction is taken once a tap size is known, before the depth is checked.
    if (input.size) host_.SetDirectionAngle(Degrees(input.placement.direction));
    host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step());
}

}  // namespace bw
