// The pins tabs, made for the window in one place, and the widget pieces they share.
#pragma once

#include <QList>
#include <QString>
#include <vector>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw {

class AppContext;
class FeatureTab;

struct PinTabs {
    FeatureTab* ejector = nullptr;
    FeatureTab* corePin = nullptr;
    FeatureTab* coreNote = nullptr;
    FeatureTab* taperPin = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
PinTabs MakePinTabs(AppContext& app);

namespace pins {

// Controls named as the code and the users' documents know them.
QGroupBox* Frame(const char* name, const char* caption, QWidget* parent);
QRadioButton* Option(const char* name, const char* caption, QWidget* parent);
QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
QListWidget* List(const char* name, QWidget* parent);
QPushButton* OkButton(const char* name, QWidget* parent);

// A "Direction" frame of four options captioned "Zero", "90", "180" and "270".
struct DirectionFrame {
    QGroupBox* frame = nullptr;
    QRadioButton* zero = nullptr;
    QRadioButton* quarter = nullptr;
    QRadioButton* half = nullptr;
    QRadioButton* threeQuarters = nullptr;
    // The angle of the selected option: 0, 90, 180 or 270.
    int Angle() const;
    // The four options in ascending number of their names, as the view options switch them.
    QList<QRadioButton*> InNameOrder() const;
};
DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent);

// Fills a list with the labels of a table, in order (list index = table index).
void FillList(QListWidget* list, const std::vector<std::string>& labels);

// Connects every control whose change alters the drawing to `tab`'s InputsChanged.
void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists);

}  // namespace pins

}  // namespace bw
