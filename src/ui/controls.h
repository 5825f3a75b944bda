// How controls are made (ui/behaviours.h says how they behave): with the names the
// program's users and documents know them by (objectName is the control's name, so tests
// find them with findChild), and the frames every tab is built from.
#pragma once

#include <QList>
#include <string>
#include <vector>

#include "features/feature.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw::ui {

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

// An "Options" frame of "Draw Side", "Draw Face" and "Hidden", laid out in that order;
// `hiddenFirst` makes "Hidden" first in the order the keyboard visits them.
struct ViewOptions {
    QGroupBox* frame = nullptr;
    QRadioButton* side = nullptr;
    QRadioButton* face = nullptr;
    QCheckBox* hidden = nullptr;
};
ViewOptions MakeViewOptions(const char* frameName, const char* sideName, const char* faceName,
                            const char* hiddenName, QWidget* parent, bool hiddenFirst = false);

// The placement the controls show: the view ("Draw Face" or not; Side on a tab without
// view options), the selected direction (`unchanged` when none is) and "Hidden".
Placement ShownPlacement(const ViewOptions& view, const DirectionFrame& direction,
                         int unchanged = 0);
// The controls set to show `placement`: the tab's start-up state from its input's defaults.
void ShowPlacement(const Placement& placement, const ViewOptions& view,
                   const DirectionFrame& direction);

// Replaces a list's entries with the labels of a table, in order, so the list row is the
// table index.
void FillList(QListWidget* list, const std::vector<std::string>& labels);

}  // namespace bw::ui
