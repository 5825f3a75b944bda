// How controls behave, once made (ui/controls.h makes them): number boxes that take only
// digits, move on with Enter and tidy their number when left; boxes that select their text
// when entered; controls that run an action when they get the focus; view options that
// switch the Direction options on and off; lists picked from; changes reported to the tab.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QLineEdit;
class QObject;
class QWidget;
class QRadioButton;
class QListWidget;
class QCheckBox;

namespace bw {

class FeatureTab;

namespace ui {

enum class CharSet { Decimal, Integer };  // "0123456789./ " or "0123456789"

struct NumberBoxOptions {
    CharSet charSet = CharSet::Decimal;
    bool enterMovesOn = true;  // Enter moves the focus to the next control
    bool tidyOnLeave = true;   // re-shown with the display format when left
    bool selectAllOnFocus = true;
};

// Only characters of the set get into the box, whether typed or pasted; a refused key sounds
// the refusal and leaves the box as it was. Enter either moves on like a Tab key press or is
// discarded. The box's tooltip says what it takes.
void MakeNumberBox(QLineEdit* box, const NumberBoxOptions& options = {});

// The whole text is selected when the box gets the focus, so typing replaces the value.
void SelectAllOnFocus(QLineEdit* box);

// Runs `action` whenever the control gets the keyboard focus, while `owner` lives.
void OnFocusIn(QWidget* control, QObject* owner, std::function<void()> action);

// "Draw Side" enables and "Draw Face" disables the depth list (if any) and the four
// Direction options; the Direction selection is kept while they are disabled.
void WireViewOptions(QRadioButton* drawSide, QRadioButton* drawFace, QListWidget* depthList,
                     const QList<QRadioButton*>& directions);

// The text of a box formatted with the display format when it is a plain number or an inch
// fraction, else the text unchanged (an empty box or a lone point stays as it is).
QString TidiedNumberText(const QString& text);

// What a refused key sounds: the platform's beep, or a test's recorder.
void SetRefusalSound(std::function<void()> sound);
// The tooltip of a box of the set.
QString NumberBoxTip(CharSet set);

// The selected row of a list, or -1 when nothing is selected.
int SelectedIndex(const QListWidget* list);

// InputsChanged of `tab` whenever one of these controls changes.
void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes = {});

// Runs `click` when the list's entry is picked, by mouse or by keyboard.
void OnPick(QListWidget* list, QObject* receiver, const std::function<void()>& click);

}  // namespace ui
}  // namespace bw
