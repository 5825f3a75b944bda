#include "features/pins/core_note_tab.h"

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

CoreNoteTab::CoreNoteTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckCoreNote, CoreNoteScript) {
    auto* layout = new QGridLayout(this);

    auto* frame15 = Frame("Frame15", "Options", this);
    auto* options = new QVBoxLayout(frame15);
    option25_ = Option("Option25", "C Pin", frame15);
    option26_ = Option("Option26", "CX Pin", frame15);
    options->addWidget(option25_);
    options->addWidget(option26_);

    auto* frame16 = Frame("Frame16", "Pin Size", this);
    list7_ = List("List7", frame16);
    (new QVBoxLayout(frame16))->addWidget(list7_);

    command5_ = AddOkButton("Command5");

    layout->addWidget(frame15, 0, 0, Qt::AlignTop);
    layout->addWidget(frame16, 0, 1);
    layout->addWidget(command5_, 1, 1, Qt::AlignRight);

    BringToFrontOnFocus({option25_});
    BringToFrontOnFocus({option26_});
    ReportChanges(this, {option25_, option26_}, {}, {list7_});
    connect(command5_, &QPushButton::clicked, this, [this] { Command5_Click(); });

    option26_->setChecked(true);
}

void CoreNoteTab::LoadTables() {
    const CoreNumberTableLoad load = LoadCoreNumberTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list7_, table_.labels);
    AdoptTable(kCoreNumberTableMessages, load.diagnostic);
}

CoreNoteInput CoreNoteTab::Input() const {
    CoreNoteInput input;
    if (const int i = SelectedIndex(list7_); i >= 0) input.coreNumber = table_.numbers[i];
    input.cxPin = !option25_->isChecked();
    return input;
}

void CoreNoteTab::Command5_Click() { RunOk(InfoTiming::BeforeChecks, KeepsNoDirection); }

}  // namespace bw
