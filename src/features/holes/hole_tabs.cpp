#include "features/holes/hole_tabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/feature_tab.h"
#include "features/holes/counterbore_tab.h"
#include "features/holes/drilled_hole_tab.h"
#include "features/holes/tapped_hole_tab.h"
#include "features/holes/thread_tab.h"
#include "ui/text.h"

namespace bw {

HoleTabs MakeHoleTabs(AppContext& app) {
    HoleTabs tabs;
    tabs.tappedHole = new TappedHoleTab(app);
    tabs.counterbore = new CounterboreTab(app);
    tabs.thread = new ThreadTab(app);
    tabs.drilledHole = new DrilledHoleTab(app);
    return tabs;
}

namespace holes {

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

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
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
    for (QRadioButton* option : d.All()) layout->addWidget(option);
    return d;
}

void FillList(QListWidget* list, const std::vector<std::string>& labels) {
    for (const std::string& label : labels) list->addItem(ToQt(label));
}

void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes) {
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
    for (QLineEdit* box : boxes) {
        QObject::connect(box, &QLineEdit::textChanged, tab, [tab] { emit tab->InputsChanged(); });
    }
}

}  // namespace holes

}  // namespace bw
