// The modal pieces of the desktop (message boxes, the folder and file choosers) behind one small
// interface, so the window can be driven by tests without ever blocking on a dialog.
#pragma once

#include <QString>

class QWidget;

namespace bw {

class Toolkit {
  public:
    virtual ~Toolkit() = default;
    // A message box with only an OK button that reports a failure or a warning: nearly every
    // box the program shows, so the warning icon is the default.
    virtual void Message(QWidget* owner, const QString& title, const QString& text) = 0;
    // A message box with only an OK button that tells how to go on, with the information
    // icon. A toolkit that does not tell them apart shows it as a Message.
    virtual void Inform(QWidget* owner, const QString& title, const QString& text);
    // A warning with Yes and No buttons; true for Yes. No is the default button, so Enter
    // alone changes nothing. A toolkit that cannot ask answers No.
    virtual bool Ask(QWidget* owner, const QString& title, const QString& text);
    // A folder chosen by the user, or an empty string when the dialog was cancelled. The
    // chooser opens at `start` when that folder exists.
    virtual QString ChooseFolder(QWidget* owner, const QString& title, const QString& start) = 0;
    // A file to write, chosen by the user, or an empty string when the dialog was cancelled.
    // The chooser opens at `start` (a folder and a proposed name) and offers files ending in
    // `suffix` (without the dot), adding it to a name typed without one. A toolkit that has
    // no such chooser answers as if the user had cancelled.
    virtual QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& start,
                                   const QString& suffix);
};

// The real dialogs.
class QtToolkit : public Toolkit {
  public:
    void Message(QWidget* owner, const QString& title, const QString& text) override;
    void Inform(QWidget* owner, const QString& title, const QString& text) override;
    bool Ask(QWidget* owner, const QString& title, const QString& text) override;
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& start) override;
    QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& start,
                           const QString& suffix) override;
};

}  // namespace bw
