// Controls made with the names the program's users and documents know them by (objectName
// is the control's name, so tests find them with findChild), and the pieces every tab
// builds its frames from.
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

class FeatureTab;

namespace ui {

QGroupBox* Frame(const char* name, const char* caption, QWidget* parent);
QRadioButton* Option(const char* name, const char* caption, QWidget* parent);
QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
QListWidget* List(const char* name, QWidget* parent);
QLineEdit* Box(const char* name, QWidget* parent);
QPushButton* Button(const char* name, const char* caption, QWidget* parent);
// The tab's OK, which Enter on a list, an option or a check box of the tab presses.
QPushButton* OkButton(const char* name, FeatureTab* tab);

// A frame holding one control, the way the lists and boxes sit in their captioned frames.
QGroupBox* FrameAround(const char* name, const char* caption, QWidget* control, QWidget* parent);

// A "Direction" frame of four options captioned "Zero", "90", "180" and "270".
struct DirectionFrame {
    QGroupBox* frame = nullptr;
    QRadioButton* zero = nullptr;
    QRadioButton* quarter = nullptr;
    QRadioButton* half = nullptr;
    QRadioButton* threeQuarters = nullptr;
    // The angle of the selected option: 0, 90, 180 or 270 (0 when none is selected).
    int Angle() const { return Angle(0); }
    // The same, tested from "Zero" to "270"; `unchanged` when none is selected.
    int Angle(int unchanged) const;
    // "Zero", "90", "180", "270".
    QList<QRadioButton*> Options() const { return {zero, quarter, half, threeQuarters}; }
    // The four options in ascending number of their names, the order in which the view
    // options switch them.
    QList<QRadioButton*> InNameOrder() const;
};
DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent);

// Replaces a list's entries with the labels of a table, in order, so the list row is the
// table index.
void FillList(QListWidget* list, const std::vector<std::string>& labels);

// InputsChanged of `tab` whenever one of these controls changes.
void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes = {});

// Runs `click` when the list's entry is picked, by mouse or by keyboard.
void OnPick(QListWidget* list, QObject* receiver, const std::function<void()>& click);

}  // namespace ui
}  // namespace bw
