#include "features/profiles/slot_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

SlotTab::SlotTab(Host& host, QWidget* parent) : FeatureTabOf(host, parent, CheckSlot, SlotScript) {
    auto* layout = new QGridLayout(this);

    check07_ = Check("Check07", "Hidden", this);
    QGroupBox* frame24 = FrameAround("Frame24", "Options", check07_, this);
    direction_ =
        MakeDirectionFrame("Frame26", "Option31", "Option32", "Option33", "Option34", this);
    list10_ = List("List10", this);
    QGroupBox* frame27 = FrameAround("Frame27", "Center Distance", list10_, this);
    list11_ = List("List11", this);
    QGroupBox* frame28 = FrameAround("Frame28", "Slot Width", list11_, this);
    text6_ = Box("Text6", this);
    QGroupBox* frame29 = FrameAround("Frame29", "Slot Width", text6_, this);
    text7_ = Box("Text7", this);
    QGroupBox* frame30 = FrameAround("Frame30", "Center Distance", text7_, this);
    command13_ = AddOkButton("Command13");

    layout->addWidget(frame24, 0, 0);
    layout->addWidget(direction_.frame, 1, 0, 2, 1);
    layout->addWidget(frame28, 0, 1, 2, 1);
    layout->addWidget(frame27, 0, 2, 2, 1);
    layout->addWidget(frame29, 2, 1);
    layout->addWidget(frame30, 2, 2);
    layout->addWidget(command13_, 3, 2, Qt::AlignRight);

    MakeNumberBox(text6_);
    MakeNumberBox(text7_);
    BringToFrontOnFocus({check07_});
    ReportChanges(this, direction_.Options(), {check07_}, {}, {text6_, text7_});
    OnPick(list11_, this, [this] { List11_Click(); });
    OnPick(list10_, this, [this] { List10_Click(); });
    connect(command13_, &QPushButton::clicked, this, [this] { Command13_Click(); });

    const SlotInput defaults;
    ShowPlacement(defaults.placement, {.hidden = check07_}, direction_);
    text6_->setText(ToQt(defaults.widthText));
    text7_->setText(ToQt(defaults.distanceText));
}

void SlotTab::LoadTables() {
    const SlotTableLoad load = LoadSlotTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list11_, table_.widths.labels);
    FillList(list10_, table_.centerDistances.labels);
    AdoptTable(kSlotMessages, load.diagnostic, /*needed=*/false);
}

void SlotTab::List11_Click() {
    const int i = SelectedIndex(list11_);
    if (i < 0 || static_cast<size_t>(i) >= table_.widths.size()) return;
    text6_->setText(ToQt(DisplayFormatNumber(table_.widths.values[i])));
}

void SlotTab::List10_Click() {
    const int j = SelectedIndex(list10_);
    if (j < 0 || static_cast<size_t>(j) >= table_.centerDistances.size()) return;
    text7_->setText(ToQt(DisplayFormatNumber(table_.centerDistances.values[j])));
}

SlotInput SlotTab::Input() const {
    SlotInput input;
    input.widthText = FromQt(text6_->text());
    input.distanceText = FromQt(text7_->text());
    input.placement = ShownPlacement({.hidden = check07_}, direction_, host_.DirectionAngle());
    return input;
}

void SlotTab::Command13_Click() { RunOk(InfoTiming::BeforeChecks); }

}  // namespace bw
