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

namespace bw::test {

using Messages = std::vector<std::string>;

// Records every message box and answers the choosers from the test's answers (an empty one is
// a cancelled dialog), so no test ever blocks on a modal dialog.
class RecordingToolkit : public Toolkit {
  public:
    void Message(QWidget*, const QString& title, const QString& text) override;
    QString ChooseFolder(QWidget*, const QString& title, const QString& start) override;

    Messages messages, messageTitles;
    Messages folderTitles, folderStarts;  // of the folder choosers opened
    std::deque<QString> folderAnswers;
    // "Save as" choosers: where each opened and the suffix it offered; the next one's answer.
    QString ChooseSaveFile(QWidget*, const QString&, const QString& start,
                           const QString& suffix) override;
    Messages saveStarts;
    QString saveAnswer;
};

// A program folder with the shipped tables and a settings file, a CAD folder with its
// Brasswick subfolder, and a drawing folder; all but `program` end in a separator.
struct Workspace {
    TempDir dir;
    std::string program, cad, drawing;

    Workspace();
    void WriteInfo(const std::string& text) const { dir.Write("drawings/BW_Info.txt", text); }
    std::string InfoPath() const { return drawing + "BW_Info.txt"; }
    std::string ScriptPath() const { return cad + "Brasswick/Brasswick.scr"; }
    std::string Script() const { return ReadFile(ScriptPath()); }
    std::string ProgramFile(const std::string& name) const { return program + "/" + name; }
    void CopyShippedData() const;  // every shipped table and text file, beside the program
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;  // shipped data and settings laid out; Start() starts the window
    void TearDown() override { main_.reset(); }

    bool Start();  // builds Main and runs its start-up; whether the program goes on
    Main& Window() { return *main_; }
    AppContext& App() { return main_->App(); }

    template <typename T>
    T* Find(const char* name) {
        T* widget = main_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    // A user's click on a button, option or check box; a pick of a list entry (the list's
    // click behaviour runs); a text typed into a box that is then left, so its tidy-up runs.
    void Click(const char* name);
    void Pick(const char* listName, int row);
    void Type(const char* boxName, const QString& text);
    Messages TakeMessages();  // the messages since the last call

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
    void FocusIn(const char* name);  // the focus arriving at a control, as by the Tab key
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
