#include "features/profiles/keyway_tab.h"

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

KeywayTab::KeywayTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckKeyway, KeywayScript) {
    auto* layout = new QGridLayout(this);

    QGroupBox* frame37 = Frame("Frame37", "Options", this);
    check09_ = Check("Check09", "Hidden", frame37);
    option39_ = Option("Option39", "Hub", frame37);
    option40_ = Option("Option40", "Shaft", frame37);
    auto* options = new QVBoxLayout(frame37);
    options->addWidget(check09_);
    options->addWidget(option39_);
    options->addWidget(option40_);
    list12_ = List("List12", this);
    QGroupBox* frame36 = FrameAround("Frame36", "Key Width", list12_, this);
    list13_ = List("List13", this);
    QGroupBox* frame40 = FrameAround("Frame40", "Shaft/Hub Diameter", list13_, this);
    text11_ = Box("Text11", this);
    QGroupBox* frame38 = FrameAround("Frame38", "Key Width", text11_, this);
    text12_ = Box("Text12", this);
    QGroupBox* frame39 = FrameAround("Frame39", "Shaft/Hub Diameter", text12_, this);
    command15_ = AddOkButton("Command15");

    layout->addWidget(frame37, 0, 0, 2, 1);
    layout->addWidget(frame36, 0, 1);
    layout->addWidget(frame40, 0, 2);
    layout->addWidget(frame38, 1, 1);
    layout->addWidget(frame39, 1, 2);
    layout->addWidget(command15_, 2, 2, Qt::AlignRight);

    MakeNumberBox(text11_);
    MakeNumberBox(text12_);
    BringToFrontOnFocus({option39_});
    BringToFrontOnFocus({option40_});
    ReportChanges(this, {option39_, option40_}, {check09_}, {}, {text11_, text12_});
    OnPick(list12_, this, [this] { List12_Click(); });
    OnPick(list13_, this, [this] { List13_Click(); });
    connect(command15_, &QPushButton::clicked, this, [this] { Command15_Click(); });

    option40_->setChecked(true);
    const KeywayInput defaults;
    text11_->setText(ToQt(defaults.keyWidthText));
    text12_->setText(ToQt(defaults.diameterText));
    check09_->setChecked(false);
}

void KeywayTab::LoadTables() {
    const KeywayTableLoad load = LoadKeywayTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list12_, table_.keyWidths.labels);
    FillList(list13_, table_.diameters.labels);
    AdoptTable(kKeywayMessages, load.diagnostic, /*needed=*/false);
}

void KeywayTab::List12_Click() {
    const int i = SelectedIndex(list12_);
    if (i < 0 || static_cast<size_t>(i) >= table_.keyWidths.size()) return;
    text11_->setText(ToQt(DisplayFormatNumber(table_.keyWidths.values[i])));
}

void KeywayTab::List13_Click() {
    const int j = SelectedIndex(list13_);
    if (j < 0 || static_cast<size_t>(j) >= table_.diameters.size()) return;
    text12_->setText(ToQt(DisplayFormatNumber(table_.diameters.values[j])));
}

KeywayInput KeywayTab::Input() const {
    KeywayInput input;
    input.keyWidthText = FromQt(text11_->text());
    input.diameterText = FromQt(text12_->text());
    // A hub unless "Shaft" is selected.
    input.kind = option40_->isChecked() ? KeywayKind::Shaft : KeywayKind::Hub;
    input.placement.hidden = check09_->isChecked();
    return input;
}

void KeywayTab::Command15_Click() { RunOk(InfoTiming::BeforeChecks, KeepsNoDirection); }

}  // namespace bw
