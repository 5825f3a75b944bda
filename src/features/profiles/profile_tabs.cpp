#include "features/profiles/profile_tabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/feature_tab.h"
#include "features/profiles/cam_tab.h"
#include "features/profiles/center_drill_tab.h"
#include "features/profiles/keyway_tab.h"
#include "features/profiles/shaft_tab.h"
#include "features/profiles/slot_tab.h"
#include "ui/text.h"

namespace bw {

ProfileTabs MakeProfileTabs(AppContext& app) {
    ProfileTabs tabs;
    tabs.slot = new SlotTab(app);
    tabs.cam = new CamTab(app);
    tabs.keyway = new KeywayTab(app);
    tabs.shaft = new ShaftTab(app);
    tabs.centerDrill = new CenterDrillTab(app);
    return tabs;
}

namespace profiles {

QGroupBox* Frame(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QRadioButton* Option(const char* name, const char* caption, QWidget* parent) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

QCheckBox* Check(const char* name, const char* caption, QWidget* parent) {
    auto* check = new QCheckBox(QString::fromLatin1(caption), parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

QListWidget* List(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QGroupBox* FrameAround(const char* name, const char* caption, QWidget* control, QWidget* parent) {
    QGroupBox* frame = Frame(name, caption, parent);
    control->setParent(frame);
    (new QVBoxLayout(frame))->addWidget(control);
    return frame;
}

int DirectionFrame::Angle(int unchanged) const {
    if (zero->isChecked()) return 0;
    if (quarter->isChecked()) return 90;
    if (half->isChecked()) return 180;
    if (threeQuarters->isChecked()) return 270;
    return unchanged;
}

QList<QRadioButton*> DirectionFrame::Options() const {
    return {zero, quarter, half, threeQuarters};
}

DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent) {
    DirectionFrame d;
    d.frame = Frame(frameName, "Direction", parent);
    d.zero = Option(zeroName, "Zero", d.frame);
    d.quarter = Option(quarterName, "90", d.frame);
    d.half = Option(halfName, "180", d.frame);
    d.threeQuarters = Option(threeQuartersName, "270", d.frame);
    auto* layout = new QVBoxLayout(d.frame);
    for (QRadioButton* option : d.Options()) layout->addWidget(option);
    return d;
}

void FillList(QListWidget* list, const std::vector<std::string>& labels) {
    list->clear();
    for (const std::string& label : labels) list->addItem(ToQt(label));
}

void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes) {
    for (QRadioButton* option : options) {
        QObject::connect(option, &QRadioButton::toggled, tab, &FeatureTab::InputsChanged);
    }
    for (QCheckBox* check : checks) {
        QObject::connect(check, &QCheckBox::toggled, tab, &FeatureTab::InputsChanged);
    }
    for (QListWidget* list : lists) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, tab, &FeatureTab::InputsChanged);
    }
    for (QLineEdit* box : boxes) {
        QObject::connect(box, &QLineEdit::textChanged, tab, &FeatureTab::InputsChanged);
    }
}

void OnPick(QListWidget* list, QObject* receiver, const std::function<void()>& click) {
    QObject::connect(list, &QListWidget::itemClicked, receiver, [click] { click(); });
    QObject::connect(list, &QListWidget::currentRowChanged, receiver, [click](int row) {
        if (row >= 0) click();
    });
}

}  // namespace profiles

}  // namespace bw
