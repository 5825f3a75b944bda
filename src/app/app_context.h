// What every tab is given: the shared state, the dialogs, and the frame every feature OK
// runs in (read the insertion info, check, write the script, clear the flag, minimise).
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/module1.h"
#include "features/feature.h"

class QTabWidget;
class QWidget;

namespace bw {

class Toolkit;

// The title of every message box.
inline constexpr const char* kProgramTitle = "Brasswick";

class AppContext {
  public:
    AppContext(Toolkit& toolkit, std::string programFolder)
        : toolkit_(toolkit), programFolder_(std::move(programFolder)) {}

    Module1& State() { return state_; }
    const Module1& State() const { return state_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    // A file beside the program: ProgramFolder, a separator, the name.
    std::string ProgramFile(const std::string& name) const;
    Toolkit& Dialogs() { return toolkit_; }

    void SetWindow(QWidget* window, QTabWidget* tabs) {
        window_ = window;
        tabs_ = tabs;
    }
    QWidget* Window() const { return window_; }
    QTabWidget* Tabs() const { return tabs_; }

    // A message box with only an OK button and the program's title.
    void ShowMessage(const std::string& text);
    void ShowMessage(const QString& text);

    // Reads InfoFile into the insertion info. Not found: the defaults and the message.
    // Malformed: a message naming the file; the file and the previous state are kept, and
    // false tells the caller to stop. `atStartUp` uses the defaults in that case.
    bool ReadInsertionInfo(bool atStartUp = false);

    // The insertion info and settings a generator draws with.
    DrawContext CurrentDrawContext() const;

    enum class InfoTiming { BeforeChecks, AfterChecks };

    // The frame of every feature OK. `check` returns the message of the first failed input
    // check, or nothing; `generate` returns the whole script. The script replaces the
    // previous one atomically; on any failure the previous script, the flag and the window
    // stay as they were. Returns true when the script was written.
    bool RunFeatureOk(InfoTiming timing, const std::function<std::optional<std::string>()>& check,
                      const std::function<std::string(const DrawContext&)>& generate);

    // Makes the whole script file at ScriptFile; the reason on failure is shown.
    bool WriteScript(const std::string& script);

    void Minimise();

  private:
    Toolkit& toolkit_;
    std::string programFolder_;
    Module1 state_;
    QWidget* window_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

}  // namespace bw
