#include "features/pins/core_note_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/entry_fields.h"

namespace bw {

CoreNoteTab::CoreNoteTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QGridLayout(this);

    auto* frame15 = ui::Frame("Frame15", "Options", this);
    auto* options = new QVBoxLayout(frame15);
    option25_ = ui::Option("Option25", "C Pin", frame15);
    option26_ = ui::Option("Option26", "CX Pin", frame15);
    options->addWidget(option25_);
    options->addWidget(option26_);

    auto* frame16 = ui::Frame("Frame16", "Pin Size", this);
    list7_ = ui::List("List7", frame16);
    (new QVBoxLayout(frame16))->addWidget(list7_);

    command5_ = ui::OkButton("Command5", this);

    layout->addWidget(frame15, 0, 0, Qt::AlignTop);
    layout->addWidget(frame16, 0, 1);
    layout->addWidget(command5_, 1, 1, Qt::AlignRight);

    BringToFrontOnFocus({option25_});
    BringToFrontOnFocus({option26_});
    ui::ReportChanges(this, {option25_, option26_}, {}, {list7_});
    connect(command5_, &QPushButton::clicked, this, [this] { Command5_Click(); });

    option26_->setChecked(true);
}

void CoreNoteTab::LoadTables() {
    const CoreNumberTableLoad load = LoadCoreNumberTable(host_.ProgramFolder());
    table_ = load.table;
    ui::FillList(list7_, table_.labels);
    if (load.diagnostic.status == TableStatus::NotFound) {
        DisableOk(TableMessage(kCoreNumberTableMessages, load.diagnostic));
    }
    const std::string message = TableMessage(kCoreNumberTableMessages, load.diagnostic);
    if (!message.empty()) host_.ShowMessage(message);
}

CoreNoteInput CoreNoteTab::Input() const {
    CoreNoteInput input;
    if (const int i = SelectedIndex(list7_); i >= 0) input.coreNumber = table_.numbers[i];
    input.cxPin = !option25_->isChecked();
    return input;
}

std::optional<FeatureStep> CoreNoteTab::Step() const {
    return BindStep(Input(), CheckCoreNote, CoreNoteScript);
}

void CoreNoteTab::Command5_Click() { host_.RunFeatureOk(InfoTiming::BeforeChecks, *Step()); }

}  // namespace bw
