// The window's side of the host every tab talks to: the shared state, the dialogs, and the
// frame every feature OK runs in (read the insertion info, check, write the script, clear
// the flag, minimise).
#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/module1.h"
#include "exchange/insertion_info.h"
#include "features/feature.h"
#include "ui/host.h"

class QTabWidget;
class QWidget;

namespace bw {

class FeatureTab;
class Toolkit;

// The title of every message box.
inline constexpr const char* kProgramTitle = "Brasswick";

// The desktop's settings store (organisation and application "Brasswick"): what the window
// remembers between runs beside DrawPath.txt (layout, the DXF choices).
inline QSettings DesktopSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Brasswick"),
                     QStringLiteral("Brasswick"));
}

class AppContext : public Host {
  public:
    AppContext(Toolkit& toolkit, std::string programFolder)
        : toolkit_(toolkit), programFolder_(std::move(programFolder)) {}

    Module1& State() { return state_; }
    const Module1& State() const { return state_; }
    std::string ProgramFolder() const override { return programFolder_; }
    // A file beside the program: ProgramFolder, a separator, the name.
    std::string ProgramFile(const std::string& name) const;
    Toolkit& Dialogs() { return toolkit_; }

    void SetWindow(QWidget* window, QTabWidget* tabs) {
        window_ = window;
        tabs_ = tabs;
    }
    QWidget* Window() const { return window_; }
    QTabWidget* Tabs() const { return tabs_; }

    // A message box with only an OK button and the program's title: a failure or a warning.
    void ShowMessage(const std::string& text) override;
    void ShowMessage(const QString& text);
    // The same with the information icon, for a box that only tells how to go on.
    void ShowInformation(const std::string& text);
    // A warning with Yes and No under the program's title; true for Yes.
    bool AskYesNo(const std::string& text);

    // Reads InfoFile into the insertion info. Not found: the defaults and the message, unless
    // info read earlier is held, which then stays. Malformed: a message naming the file; the
    // file and the previous state are kept, and false tells the caller to stop. `atStartUp`
    // uses the defaults in that case.
    bool ReadInsertionInfo(bool atStartUp = false);
    // An OK's read: the info file when the CAD side has left one, even while info read
    // earlier is held (the designer has picked a newer point since), else when none is held.
    bool ReadNewestInsertionInfo();
    // Where the next feature goes, as the window shows it.
    std::string NextFeatureText() const;
    // Called whenever the insertion info or its flag may have changed.
    void OnInfoChanged(std::function<void()> callback) { infoChanged_ = std::move(callback); }
    // Reads an info file the CAD side has just left, without a word: true when it was read.
    // A file that does not read (perhaps not yet whole) waits for the OK, which reports it.
    bool TakeArrivedInfo();
    // After the settings and the paths built from them were stored or read: the companion
    // follows them, and so does whatever watches the drawing folder.
    void SettingsStored();
    void OnSettingsStored(std::function<void()> callback) { settingsStored_ = std::move(callback); }

    // The insertion info and settings a generator draws with.
    DrawContext CurrentDrawContext() const override;

    // The script replaces the previous one atomically; on any failure the previous script,
    // the flag and the window stay as they were. With WriteDxfBesideScript set, the drawing
    // then goes to Brasswick.dxf beside the script too; a DXF that cannot be written is
    // reported and the OK ends as usual, since the script is what the CAD side waits for.
    bool RunFeatureOk(InfoTiming timing, const FeatureStep& step) override;

    // "Save DXF...": what `tab`'s OK would draw now, with the insertion info and settings the
    // preview shows (the info file is left for the OK), written to a file the user chooses.
    // A failed check shows its message and asks for no file.
    void SaveDxf(FeatureTab* tab);
    // Brasswick.dxf in the script's folder.
    std::string DxfBesideScript() const;

    int DirectionAngle() const override { return static_cast<int>(state_.DirectionAngle); }
    void SetDirectionAngle(int degrees) override {
        state_.DirectionAngle = static_cast<float>(degrees);
    }
    void BringToFront(QWidget* page) override;

    // Brasswick.lsp beside the script, with the current paths, unless the file there already
    // holds exactly that; a file that cannot be written is reported and nothing else changes.
    void WriteCompanion();

    // Makes the whole script file at ScriptFile; the reason on failure is shown.
    bool WriteScript(const std::string& script);

    void Minimise();

  private:
    // Holds a file's info as read, and reports a file that could not be deleted.
    void Adopt(const InfoReadResult& result);

    Toolkit& toolkit_;
    std::string programFolder_;
    Module1 state_;
    QWidget* window_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::function<void()> infoChanged_;
    std::function<void()> settingsStored_;
};

}  // namespace bw
