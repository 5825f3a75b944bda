// Starts the real window on a folder of its own, with every dialog recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "support/temp_dir.h"
#include "ui/feature_tab.h"
#include "ui/toolkit.h"

namespace bw::test {

using Messages = std::vector<std::string>;

// Records every message box (under the program's title) and answers the choosers from the
// test's answers (an empty one is cancelled) and each Yes/No question with `answer`, so no
// test ever blocks on a modal dialog.
class RecordingToolkit : public Toolkit {
  public:
    void Message(QWidget*, const QString& title, const QString& text) override {
        EXPECT_EQ(title, QStringLiteral("Brasswick")) << text.toStdString();
        messages.push_back(text.toStdString());
    }
    void Inform(QWidget* owner, const QString& title, const QString& text) override {
        Message(owner, title, text);
        informed.push_back(text.toStdString());
    }
    bool Ask(QWidget* owner, const QString& title, const QString& text) override {
        Message(owner, title, QStringLiteral("? ") + text);  // "? " marks a question
        return answer;
    }
    QString ChooseFolder(QWidget*, const QString& title, const QString& start) override {
        folders.push_back(title.toStdString() + " " + start.toStdString());
        if (folderAnswers.empty()) return {};
        const QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    // "Save as" choosers: where each opened and the suffix it offered; the next one's answer.
    QString ChooseSaveFile(QWidget*, const QString&, const QString& start,
                           const QString& suffix) override {
        saveStarts.push_back(start.toStdString() + " ." + suffix.toStdString());
        return std::exchange(saveAnswer, {});
    }

    Messages messages;
    Messages informed;    // the boxes with the information icon; all others warn
    bool answer = false;  // Yes
    Messages folders;  // the title and start of each folder chooser opened
    std::deque<QString> folderAnswers;
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

// How a control shows: "Name:caption" for a button or frame ("*" when checked; "[names]"
// the boxes, lists and grid a frame holds), "Name=text" for a box or label, "Name#n" for a
// list of n entries ("@row" when one is selected), the shaft grid as "Name=" and its rows
// ("/") of cells (","); "-" follows a greyed control. Empty for other widgets.
std::string Shown(const QWidget* w);

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;  // shipped data and settings laid out; Start() starts the window
    void TearDown() override;

    bool Start();  // builds Main and runs its start-up; whether the program goes on
    Main& Window() { return *main_; }
    AppContext& App() { return main_->App(); }

    template <typename T>
    T* Find(const char* name) {
        T* widget = main_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    // A user's click on a button, option or check box; a text typed into a box that is then
    // left (for another control, or another program), so its tidy-up runs.
    void Click(const char* name);
    void Type(const char* boxName, const std::string& text,
              Qt::FocusReason how = Qt::TabFocusReason);
    // The messages since the last call.
    Messages TakeMessages() { return std::exchange(toolkit_.messages, {}); }

    // Starts on an insertion-info file that start-up consumes: point (2,3), scale .5, layer L1;
    // or, `leftForTheNextOk`, without one (one message), then leaves it for the next OK.
    void StartWithInfo(const std::string& info = "A,2,3,1,.5,[L1]", bool leftForTheNextOk = false);

    std::string Text(const char* name) { return Find<QLineEdit>(name)->text().toStdString(); }
    FeatureTab* TabOf(const char* name);
    static std::vector<std::string> Split(const std::string& text, char separator);
    // The steps a user takes, separated by ";": "pick List1 9" (the list's click behaviour
    // runs), "down List14" (the arrow key), "click Option02", "type Text6 .5" (nothing after
    // the name empties the box), "away Text13 4" (typed, then the focus leaves for another
    // program), "dclick Text15", "cell 1 2 0.5" (select a shaft grid cell, type the value,
    // press "Enter Value"), "select 1 2" (a grid cell only), "remove FILE" (from the program
    // folder), "focus Text6" (by the keyboard, the window active), "keys 1/4~.5>" (typed
    // into whatever has the focus, "~" Enter, ">" Tab, each refused key counted in
    // `refusals_`); and checks: "at 1,2" (the grid's current cell), "bar on" or "bar
    // off" (the grid's scroll bar), "! MESSAGE" (the messages since the last are this one) and
    // "? SHOWN ..." (each control named shows so).
    void Do(const std::string& steps);
    std::string SettingsText() const { return ReadFile(ws_.ProgramFile("DrawPath.txt")); }

    Workspace ws_;
    int refusals_ = 0;
    RecordingToolkit toolkit_;
    std::unique_ptr<Main> main_;
};

}  // namespace bw::test
