// The profiles tabs, made for the window in one place, and the widget pieces they share.
#pragma once

#include <QList>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw {

class AppContext;
class FeatureTab;

struct ProfileTabs {
    FeatureTab* slot = nullptr;
    FeatureTab* cam = nullptr;
    FeatureTab* keyway = nullptr;
    FeatureTab* shaft = nullptr;
    FeatureTab* centerDrill = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
ProfileTabs MakeProfileTabs(AppContext& app);

namespace profiles {

// The tab indexes that focus brings to the front.
inline constexpr int kSlotTabIndex = 8;
inline constexpr int kCamTabIndex = 9;
inline constexpr int kKeywayTabIndex = 10;
inline constexpr int kCenterDrillTabIndex = 12;
inline constexpr int kShaftTabIndex = 13;

// Controls named as the code and the users' documents know them.
QGroupBox* Frame(const char* name, const char* caption, QWidget* parent);
QRadioButton* Option(const char* name, const char* caption, QWidget* parent);
QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
QListWidget* List(const char* name, QWidget* parent);
QLineEdit* Box(const char* name, QWidget* parent);
QPushButton* Button(const char* name, const char* caption, QWidget* parent);

// A frame holding one control, the way the lists and boxes sit in their captioned frames.
QGroupBox* FrameAround(const char* name, const char* caption, QWidget* control, QWidget* parent);

// A "Direction" frame of four options captioned "Zero", "90", "180" and "270".
struct DirectionFrame {
    QGroupBox* frame = nullptr;
    QRadioButton* zero = nullptr;
    QRadioButton* quarter = nullptr;
    QRadioButton* half = nullptr;
    QRadioButton* threeQuarters = nullptr;
    // The angle of the selected option, tested from "Zero" to "270"; `unchanged` when none
    // is selected.
    int Angle(int unchanged) const;
    QList<QRadioButton*> Options() const;
};
DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent);

// Refills a list with labels, in order (list index = table index).
void FillList(QListWidget* list, const std::vector<std::string>& labels);

// Connects every control whose change alters the drawing to `tab`'s InputsChanged.
void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes);

// Runs `click` when the list's entry is picked, by mouse or by keyboard.
void OnPick(QListWidget* list, QObject* receiver, const std::function<void()>& click);

}  // namespace profiles

}  // namespace bw
