#include "features/pins/pin_tabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/feature_tab.h"
#include "features/pins/core_note_tab.h"
#include "features/pins/core_pin_tab.h"
#include "features/pins/ejector_tab.h"
#include "features/pins/taper_pin_tab.h"
#include "ui/text.h"

namespace bw {

PinTabs MakePinTabs(AppContext& app) {
    PinTabs tabs;
    tabs.ejector = new EjectorTab(app);
    tabs.corePin = new CorePinTab(app);
    tabs.coreNote = new CoreNoteTab(app);
    tabs.taperPin = new TaperPinTab(app);
    return tabs;
}

namespace pins {

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
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QPushButton* OkButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("OK"), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

int DirectionFrame::Angle() const {
    if (quarter->isChecked()) return 90;
    if (half->isChecked()) return 180;
    if (threeQuarters->isChecked()) return 270;
    return 0;
}

QList<QRadioButton*> DirectionFrame::InNameOrder() const {
    QList<QRadioButton*> options{zero, quarter, half, threeQuarters};
    std::sort(options.begin(), options.end(),
              [](QRadioButton* a, QRadioButton* b) { return a->objectName() < b->objectName(); });
    return options;
}

DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent) {
    DirectionFrame d;
    d.frame = Frame(frameName, "Direction", parent);
    auto* layout = new QVBoxLayout(d.frame);
    d.zero = Option(zeroName, "Zero", d.frame);
    d.quarter = Option(quarterName, "90", d.frame);
    d.half = Option(halfName, "180", d.frame);
    d.threeQuarters = Option(threeQuartersName, "270", d.frame);
    for (QRadioButton* option : {d.zero, d.quarter, d.half, d.threeQuarters}) {
        layout->addWidget(option);
    }
    return d;
}

void FillList(QListWidget* list, const std::vector<std::string>& labels) {
    for (const std::string& label : labels) list->addItem(ToQt(label));
}

void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists) {
    for (QRadioButton* option : options) {
        QObject::connect(option, &QRadioButton::toggled, tab, [tab] { emit tab->InputsChanged(); });
    }
    for (QCheckBox* check : checks) {
        QObject::connect(check, &QCheckBox::toggled, tab, [tab] { emit tab->InputsChanged(); });
    }
    for (QListWidget* list : lists) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, tab,
                         [tab] { emit tab->InputsChanged(); });
    }
}

}  // namespace pins

}  // namespace bw
