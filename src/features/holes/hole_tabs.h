// The holes tabs, made for the window in one place, and the small widget helpers they share.
#pragma once

#include <QList>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw {

class AppContext;
class FeatureTab;

struct HoleTabs {
    FeatureTab* tappedHole = nullptr;
    FeatureTab* counterbore = nullptr;
    FeatureTab* thread = nullptr;
    FeatureTab* drilledHole = nullptr;
};

// Makes the tabs (the window takes them over). The tab control is already in the
// context, so a control can bring its tab to the front.
HoleTabs MakeHoleTabs(AppContext& app);

namespace holes {

// Where each tab sits in SSTab1.
inline constexpr int kTappedHolesTab = 2;
inline constexpr int kCounterboresTab = 3;
inline constexpr int kThreadsTab = 5;
inline constexpr int kDrilledHolesTab = 14;

// Controls named as the program's documents name them, so tests find them by objectName.
QGroupBox* Frame(const char* name, const char* caption, QWidget* parent);
QRadioButton* Option(const char* name, const char* caption, QWidget* parent);
QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
QListWidget* List(const char* name, QWidget* parent);
QLineEdit* Box(const char* name, QWidget* parent);
QPushButton* OkButton(const char* name, QWidget* parent);

// The four Direction options of a tab.
struct DirectionFrame {
    QGroupBox* frame = nullptr;
    QRadioButton* zero = nullptr;
    QRadioButton* quarter = nullptr;
    QRadioButton* half = nullptr;
    QRadioButton* threeQuarters = nullptr;
    // 0, 90, 180 or 270 from the selected option.
    int Angle() const;
    QList<QRadioButton*> All() const { return {zero, quarter, half, threeQuarters}; }
};
DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent);

// Adds the labels to the list, in order, so the list row is the table index.
void FillList(QListWidget* list, const std::vector<std::string>& labels);

// InputsChanged whenever one of these controls changes.
void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes = {});

}  // namespace holes

}  // namespace bw
