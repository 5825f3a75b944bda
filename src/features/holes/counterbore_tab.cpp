#include "features/holes/counterbore_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "ui/controls.h"
#include "ui/entry_fields.h"

namespace bw {

CounterboreTab::CounterboreTab(AppContext& app, QWidget* parent) : FeatureTab(app, parent) {
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
    BringTabToFrontOnFocus(option23_, app_.Tabs(), holes::kCounterboresTab);
    BringTabToFrontOnFocus(option24_, app_.Tabs(), holes::kCounterboresTab);
    ui::ReportChanges(this, {option23_, option24_}, {check04_}, {list6_});
    ui::ReportChanges(this, direction_.Options(), {}, {});
    connect(command4_, &QPushButton::clicked, this, [this] { Command4_Click(); });

    direction_.zero->setChecked(true);
    option23_->setChecked(true);
    check04_->setChecked(true);
}

void CounterboreTab::LoadTables() {
    const CboreTableLoad load = LoadCboreTable(app_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list6_, table_.labels);
    if (load.diagnostic.status == TableStatus::NotFound) command4_->setEnabled(false);
    const std::string message = TableMessage(kCboreMessages, load.diagnostic);
    if (!message.empty()) app_.ShowMessage(message);
}

CounterboreInput CounterboreTab::Input() const {
    CounterboreInput input;
    if (const int i = SelectedIndex(list6_); i >= 0) {
        input.size = CboreSize{table_.screwDiameter[static_cast<size_t>(i)],
                               table_.cboreDiameter[static_cast<size_t>(i)]};
    }
    input.view = option24_->isChecked() ? View::Face : View::Side;
    input.hidden = check04_->isChecked();
    input.direction = direction_.Angle();
    return input;
}

std::optional<PreviewOutcome> CounterboreTab::Preview() const {
    const CounterboreInput input = Input();
    if (std::optional<std::string> message = CheckCounterbore(input)) {
        return PreviewOutcome{"", *message};
    }
    return PreviewOutcome{CounterboreScript(input, app_.CurrentDrawContext()), ""};
}

void CounterboreTab::Command4_Click() {
    const CounterboreInput input = Input();
    app_.RunFeatureOk(
        AppContext::InfoTiming::BeforeChecks,
        [this, &input] {
            if (input.size) app_.State().DirectionAngle = static_cast<float>(input.direction);
            return CheckCounterbore(input);
        },
        [&input](const DrawContext& context) { return CounterboreScript(input, context); });
}

}  // namespace bw
