// Starts the real window on a folder of its own, with every dialog recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli.h"
#include "support/temp_dir.h"
#include "ui/feature_tab.h"
#include "ui/toolkit.h"

namespace bw {
class PreviewPane;
}

namespace bw::test {

using Messages = std::vector<std::string>;

// Lets a preview pane's pause run out and its worker finish; false after five seconds.
bool Settle(const PreviewPane* pane);

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
    void WriteSettings() const;
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
    Messages TakeMessages();

    // Starts on an insertion-info file that start-up consumes: point (2,3), scale .5, layer L1.
    void StartWithInfo(const std::string& info = "A,2,3,1,.5,[L1]");
    // Starts without an info file (one message), then leaves one for the next OK.
    void StartThenLeaveInfo(const std::string& info);

    std::vector<std::string> Entries(const char* listName);  // a list's lines, as shown
    std::string Caption(const char* name);  // a button's (without the mnemonic) or frame's
    std::string FrameOf(const char* name);  // the caption of the frame a control sits in
    bool Checked(const char* name);
    bool Enabled(const char* name);
    std::string Text(const char* name);
    FeatureTab* TabOf(const char* name);
    // The keyboard focus arriving at a control, as the Tab key would bring it.
    void FocusIn(const char* name);
    static std::vector<std::string> Split(const std::string& text, char separator);
    // The steps a user takes, separated by ";": "pick List1 9", "click Option02",
    // "type Text6 .5" (nothing after the name empties the box), or "cell 1 2 0.5" (select a
    // shaft grid cell, type the value, press "Enter Value").
    void Do(const std::string& steps);
    cli::Result Cli(std::vector<std::string> args) { return cli::Run(args, ws_.program); }
    std::string SettingsText() const { return ReadFile(ws_.ProgramFile("DrawPath.txt")); }

    Workspace ws_;
    RecordingToolkit toolkit_;
    std::unique_ptr<Main> main_;
};

}  // namespace bw::test
