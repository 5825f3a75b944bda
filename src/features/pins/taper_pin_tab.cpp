#include "features/pins/taper_pin_tab.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"

namespace bw {

using namespace ui;

TaperPinTab::TaperPinTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckTaperPin, TaperPinScript) {
    auto* layout = new QGridLayout(this);

    auto* frame41 = Frame("Frame41", "Pin Size Number", this);
    list14_ = List("List14", frame41);
    (new QVBoxLayout(frame41))->addWidget(list14_);
    auto* frame42 = Frame("Frame42", "Pin Length", this);
    list15_ = List("List15", frame42);
    (new QVBoxLayout(frame42))->addWidget(list15_);

    direction_ =
        MakeDirectionFrame("Frame43", "Option41", "Option42", "Option43", "Option44", this);

    auto* frame44 = Frame("Frame44", "Options", this);
    check10_ = Check("Check10", "Hidden", frame44);
    (new QVBoxLayout(frame44))->addWidget(check10_);

    command16_ = AddOkButton("Command16");

    layout->addWidget(frame41, 0, 0, 2, 1);
    layout->addWidget(frame42, 0, 1, 2, 1);
    layout->addWidget(direction_.frame, 0, 2);
    layout->addWidget(frame44, 1, 2);
    layout->addWidget(command16_, 2, 2, Qt::AlignRight);

    BringToFrontOnFocus({check10_});
    ReportChanges(this,
                  {direction_.zero, direction_.quarter, direction_.half, direction_.threeQuarters},
                  {check10_}, {list14_, list15_});
    connect(list14_, &QListWidget::itemClicked, this, [this] { List14_Click(); });
    // Moving through the sizes with the keys picks them too.
    list14_->installEventFilter(this);
    connect(command16_, &QPushButton::clicked, this, [this] { Command16_Click(); });

    ShowPlacement(TaperPinInput{}.placement, {.hidden = check10_}, direction_);
}

bool TaperPinTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list14_ && event->type() == QEvent::KeyPress) {
        const int before = list14_->currentRow();
        // The list moves its selection only after this filter, so look once it has.
        QTimer::singleShot(0, this, [this, before] {
            if (list14_->currentRow() != before && SelectedIndex(list14_) >= 0) List14_Click();
        });
    }
    return FeatureTab::eventFilter(watched, event);
}

void TaperPinTab::LoadTables() {
    list14_->clear();
    list15_->clear();
    lengths_.clear();
    const TaperPinSizesLoad load = LoadTaperPinSizes(host_.ProgramFolder());
    sizes_ = load.table;
    for (const TaperPinSize& size : sizes_) list14_->addItem(QString::fromLatin1(size.name));
    AdoptTable(kTaperPinSizeMessages, load.diagnostic);
}

void TaperPinTab::List14_Click() {
    const int k = SelectedIndex(list14_);
    if (k < 0) return;
    TaperPinLengthsLoad load = LoadTaperPinLengths(host_.ProgramFolder(), sizes_[k]);
    if (load.status == TaperLengthsStatus::NotFound) {
        // The lengths already listed stay, but nothing more can be drawn.
        DisableOk(load.message);
        host_.ShowMessage(load.message);
        return;
    }
    list15_->clear();
    lengths_ = std::move(load.lengths);
    for (const TaperPinLength& length : lengths_) {
        list15_->addItem(QString::fromLatin1(length.label));
    }
    if (load.status == TaperLengthsStatus::Refused) host_.ShowMessage(load.message);
    emit InputsChanged();
}

TaperPinInput TaperPinTab::Input() const {
    TaperPinInput input;
    if (const int k = SelectedIndex(list14_); k >= 0) input.diameter = sizes_[k].diameter;
    if (const int j = SelectedIndex(list15_); j >= 0) input.length = lengths_[j].length;
    input.placement = ShownPlacement({.hidden = check10_}, direction_);
    return input;
}

void TaperPinTab::Command16_Click() {
    // The tab keeps its own angle: DirectionAngle is neither read nor set here.
    RunOk(InfoTiming::AfterChecks, KeepsNoDirection);
}

}  // namespace bw
