#include "features/profiles/cam_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/behaviours.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

CamTab::CamTab(Host& host, QWidget* parent) : FeatureTabOf(host, parent, CheckCam, CamScript) {
    auto* layout = new QGridLayout(this);

    text8_ = Box("Text8", this);
    QGroupBox* frame32 = FrameAround("Frame32", "Pick Point Radius", text8_, this);
    text9_ = Box("Text9", this);
    QGroupBox* frame31 = FrameAround("Frame31", "Second Radius", text9_, this);
    text10_ = Box("Text10", this);
    QGroupBox* frame35 = FrameAround("Frame35", "Center Distance", text10_, this);
    direction_ =
        MakeDirectionFrame("Frame33", "Option35", "Option36", "Option37", "Option38", this);
    check08_ = Check("Check08", "Hidden", this);
    QGroupBox* frame34 = FrameAround("Frame34", "Options", check08_, this);
    command14_ = AddOkButton("Command14");

    layout->addWidget(frame32, 0, 0);
    layout->addWidget(frame31, 1, 0);
    layout->addWidget(frame35, 2, 0);
    layout->addWidget(direction_.frame, 0, 1, 3, 1);
    layout->addWidget(frame34, 0, 2);
    layout->addWidget(command14_, 3, 2, Qt::AlignRight);

    for (QLineEdit* box : {text8_, text9_, text10_}) MakeNumberBox(box);
    BringToFrontOnFocus({check08_});
    ReportChanges(this, direction_.Options(), {check08_}, {}, {text8_, text9_, text10_});
    connect(command14_, &QPushButton::clicked, this, [this] { Command14_Click(); });

    const CamInput defaults;
    ShowPlacement(defaults.placement, {.hidden = check08_}, direction_);
    text8_->setText(ToQt(defaults.r1Text));
    text9_->setText(ToQt(defaults.r2Text));
    text10_->setText(ToQt(defaults.distanceText));
}

CamInput CamTab::Input() const {
    CamInput input;
    input.r1Text = FromQt(text8_->text());
    input.r2Text = FromQt(text9_->text());
    input.distanceText = FromQt(text10_->text());
    input.placement = ShownPlacement({.hidden = check08_}, direction_, host_.DirectionAngle());
    return input;
}

void CamTab::Command14_Click() { RunOk(InfoTiming::BeforeChecks); }

}  // namespace bw
