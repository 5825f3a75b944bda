// The modal pieces of the desktop (message boxes, the folder chooser) behind one small
// interface, so the window can be driven by tests without ever blocking on a dialog.
#pragma once

#include <QString>

class QWidget;

namespace bw {

class Toolkit {
  public:
    virtual ~Toolkit() = default;
    // A message box with only an OK button.
    virtual void Message(QWidget* owner, const QString& title, const QString& text) = 0;
    // A folder chosen by the user, or an empty string when the dialog was cancelled. The
    // chooser opens at `start` when that folder exists.
    virtual QString ChooseFolder(QWidget* owner, const QString& title, const QString& start) = 0;
};

// The real dialogs.
class QtToolkit : public Toolkit {
  public:
    void Message(QWidget* owner, const QString& title, const QString& text) override;
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& start) override;
};

}  // namespace bw
