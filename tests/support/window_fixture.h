// Starts the real window on a folder of its own, with every dialog recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "support/temp_dir.h"
#include "ui/toolkit.h"

class QListWidget;

namespace bw::test {

// Records every message box and answers folder choosers from a queue (an empty answer is a
// cancelled dialog), so no test ever blocks on a modal dialog.
class RecordingToolkit : public Toolkit {
  public:
    void Message(QWidget* owner, const QString& title, const QString& text) override;
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& start) override;

    std::vector<std::string> messages;       // texts, in order
    std::vector<std::string> messageTitles;  // their titles
    std::vector<std::string> folderTitles;   // titles of the folder choosers opened
    std::vector<std::string> folderStarts;   // the folders they opened at
    std::deque<QString> folderAnswers;
};

// A program folder with the shipped tables and a settings file, a CAD folder with its
// Brasswick subfolder, and a drawing folder.
struct Workspace {
    TempDir dir;
    std::string program;  // no trailing separator
    std::string cad;      // trailing separator
    std::string drawing;  // trailing separator

    Workspace();
    // Copies every shipped table and text file from data/ beside the program.
    void CopyShippedData() const;
    // Writes DrawPath.txt pointing at cad and drawing.
    void WriteSettings(const std::string& hiddenLayer = "HIDDEN",
                       const std::string& clearance = ".015") const;
    // Leaves an insertion-info file in the drawing folder.
    void WriteInfo(const std::string& contents) const;
    std::string InfoPath() const { return drawing + "BW_Info.txt"; }
    std::string ScriptPath() const { return cad + "Brasswick/Brasswick.scr"; }
    std::string Script() const { return ReadFile(ScriptPath()); }
    std::string ProgramFile(const std::string& name) const { return program + "/" + name; }
};

class WindowTest : public ::testing::Test {
  protected:
    // Shipped data and settings are laid out; start the window with Start().
    void SetUp() override;
    void TearDown() override;

    // Builds Main and runs its start-up; returns whether the program goes on.
    bool Start();
    Main& Window() { return *main_; }
    AppContext& App() { return main_->App(); }

    template <typename T>
    T* Find(const char* name) {
        T* widget = main_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    // Clicks a button, an option or a check box the way a user would.
    void Click(const char* name);
    // Picks an entry of a list the way a user would (the list's click behaviour runs).
    void Pick(const char* listName, int row);
    // Sets a text box's text and leaves the box, so its tidy-up runs.
    void Type(const char* boxName, const QString& text);
    // Messages recorded since the last call, then forgets them.
    std::vector<std::string> TakeMessages();

    Workspace ws_;
    RecordingToolkit toolkit_;
    std::unique_ptr<Main> main_;
};

}  // namespace bw::test
