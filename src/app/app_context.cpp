#include "app/app_context.h"

#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QWidget>

#include "exchange/companion.h"
#include "exchange/files.h"
#include "preview/dxf_writer.h"
#include "ui/feature_tab.h"
#include "ui/text.h"
#include "ui/toolkit.h"

namespace bw {

namespace {

const QString kDxfFolderKey = QStringLiteral("dxf/folder");

// The DXF of what `script` draws: on the layer current in the drawing, hidden edges dashed,
// the insertion point as the file's base point, so a block inserted from the file lands
// where the script would have drawn it.
preview::DxfResult DxfOf(const std::string& script, const DrawContext& context) {
    preview::DxfOptions options;
    options.currentLayer = context.CurrentLayer;
    options.hiddenLayer = context.HiddenLayer;
    options.insertionPoint = preview::Point{context.BasePoint.X, context.BasePoint.Y};
    return preview::DxfFromScript(script, options);
}

std::string DxfNotWritten(const std::string& path, const std::string& reason) {
    return "DXF File Could Not Be Written: " + path + " (" + reason + ")";
}

}  // namespace

std::string AppContext::ProgramFile(const std::string& name) const {
    return ProgramFilePath(programFolder_, name);
}

void AppContext::ShowMessage(const std::string& text) { ShowMessage(ToQt(text)); }

void AppContext::ShowMessage(const QString& text) {
    toolkit_.Message(window_, QString::fromLatin1(kProgramTitle), text);
}

void AppContext::ShowInformation(const std::string& text) {
    toolkit_.Inform(window_, QString::fromLatin1(kProgramTitle), ToQt(text));
}

bool AppContext::AskYesNo(const std::string& text) {
    return toolkit_.Ask(window_, QString::fromLatin1(kProgramTitle), ToQt(text));
}

bool AppContext::ReadInsertionInfo(bool atStartUp) {
    const InfoReadResult result = ReadInsertionInfoFile(state_.InfoFile);
    struct Notify {
        const std::function<void()>& callback;
        ~Notify() {
            if (callback) callback();
        }
    } notify{infoChanged_};
    switch (result.status) {
        case InfoStatus::Read:
            Adopt(result);
            return true;
        case InfoStatus::NotFound:
            // The file went between the look and the read: what is held still stands.
            if (state_.InsertionInfoRead) return true;
            state_.info = InsertionInfo{};
            ShowMessage(std::string(kInfoNotFoundMessage));
            state_.InsertionInfoRead = false;
            return true;
        case InfoStatus::Malformed:
            ShowMessage(MalformedInfoMessage(state_.InfoFile, result.problem));
            if (atStartUp) {
                state_.info = InsertionInfo{};
                state_.InsertionInfoRead = false;
                return true;
            }
            return false;
    }
    return false;
}

bool AppContext::ReadNewestInsertionInfo() {
    if (state_.InsertionInfoRead && !FileExists(state_.InfoFile)) return true;
    return ReadInsertionInfo();
}

bool AppContext::TakeArrivedInfo() {
    if (!FileExists(state_.InfoFile)) return false;
    const InfoReadResult result = ReadInsertionInfoFile(state_.InfoFile);
    if (result.status != InfoStatus::Read) return false;
    Adopt(result);
    if (infoChanged_) infoChanged_();
    return true;
}

void AppContext::Adopt(const InfoReadResult& result) {
    state_.info = result.info;
    state_.InsertionInfoRead = true;
    if (!result.deleteError.empty()) {
        // The CAD side would find the same file again and think it unread.
        ShowMessage("Insertion Info File Could Not Be Deleted: " + state_.InfoFile + " (" +
                    result.deleteError + ")");
    }
}

void AppContext::SettingsStored() {
    WriteCompanion();
    if (settingsStored_) settingsStored_();
}

std::string AppContext::NextFeatureText() const {
    const InsertionInfo& info = state_.InsertionInfoRead ? state_.info : InsertionInfo{};
    const std::string where = FormatPoint(info.BasePoint) + " on layer " + info.CurrentLayer +
                              ", scale " + ScriptNumber(info.InsertScale);
    if (state_.InsertionInfoRead) return "Next feature at " + where;
    return "Next feature: no point from the CAD side yet (without one: " + where + ")";
}

DrawContext AppContext::CurrentDrawContext() const {
    DrawContext c;
    c.BasePoint = state_.info.BasePoint;
    c.InsertScale = state_.info.InsertScale;
    c.CurrentLayer = state_.info.CurrentLayer;
    c.HiddenLayer = state_.settings.HiddenLayer;
    c.EjectorClearance = state_.settings.EjectorClearance;
    return c;
}

bool AppContext::RunFeatureOk(InfoTiming timing, const FeatureStep& step) {
    if (timing == InfoTiming::BeforeChecks && !ReadNewestInsertionInfo()) return false;
    DrawContext context = CurrentDrawContext();
    StepOutcome outcome = step(context);
    if (outcome.Failed()) {
        ShowMessage(outcome.message);
        return false;
    }
    if (timing == InfoTiming::AfterChecks) {
        if (!ReadNewestInsertionInfo()) return false;
        // The checks do not depend on where the feature goes; the script does.
        context = CurrentDrawContext();
        outcome = step(context);
    }
    if (!WriteScript(outcome.script)) return false;
    if (state_.WriteDxfBesideScript) {
        // After the script, so a DXF that fails costs the CAD side nothing.
        const std::string path = DxfBesideScript();
        const preview::DxfResult dxf = DxfOf(outcome.script, context);
        std::optional<std::string> error;
        if (!dxf.dxf) {
            error = "the drawing cannot be written as DXF: " + dxf.problem;
        } else {
            error = WriteFileAtomically(path, *dxf.dxf);
        }
        if (error) ShowMessage(DxfNotWritten(path, *error) + ". The script was written.");
    }
    state_.InsertionInfoRead = false;
    if (infoChanged_) infoChanged_();
    Minimise();
    return true;
}

std::string AppContext::DxfBesideScript() const {
    const std::string& script = state_.ScriptFile;
    const size_t cut = script.find_last_of(kPathSeparator);
    return script.substr(0, cut == std::string::npos ? 0 : cut + 1) + "Brasswick.dxf";
}

void AppContext::SaveDxf(FeatureTab* tab) {
    if (!tab) return;
    if (!tab->Unavailable().empty()) {
        ShowMessage(tab->Unavailable());
        return;
    }
    const std::optional<FeatureStep> step = tab->Step();
    if (!step) return;
    const DrawContext context = CurrentDrawContext();
    const StepOutcome outcome = (*step)(context);
    if (outcome.Failed()) {
        ShowMessage(outcome.message);
        return;
    }
    const preview::DxfResult dxf = DxfOf(outcome.script, context);
    if (!dxf.dxf) {
        ShowMessage("This drawing cannot be written as DXF: " + dxf.problem);
        return;
    }

    // The folder of the last DXF saved, else the drawing folder, where the designer works.
    QSettings store = DesktopSettings();
    QString folder = store.value(kDxfFolderKey).toString();
    if (folder.isEmpty() || !QDir(folder).exists()) folder = ToQt(state_.settings.DrawingPath);
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char(kPathSeparator))) {
        folder += QLatin1Char(kPathSeparator);
    }
    const QString name = tabs_ ? tabs_->tabText(tabs_->indexOf(tab)) : QStringLiteral("Brasswick");
    const QString chosen =
        toolkit_.ChooseSaveFile(window_, QStringLiteral("Save DXF"),
                                folder + name + QStringLiteral(".dxf"), QStringLiteral("dxf"));
    if (chosen.isEmpty()) return;
    store.setValue(kDxfFolderKey, QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
    const std::string path = FromQt(chosen);
    // A name the system's 8-bit character set cannot spell would reach another file.
    if (ToQt(path) != chosen) {
        ShowMessage(QStringLiteral("DXF File Could Not Be Written: ") + chosen +
                    QStringLiteral(" (the name holds characters the system's character set "
                                   "cannot hold)"));
        return;
    }
    if (auto error = WriteFileAtomically(path, *dxf.dxf)) ShowMessage(DxfNotWritten(path, *error));
}

void AppContext::BringToFront(QWidget* page) {
    if (tabs_ && tabs_->indexOf(page) >= 0) tabs_->setCurrentWidget(page);
}

bool AppContext::WriteScript(const std::string& script) {
    if (auto error = WriteFileAtomically(state_.ScriptFile, script)) {
        ShowMessage("Script File Could Not Be Written: " + state_.ScriptFile + " (" + *error + ")");
        return false;
    }
    return true;
}

void AppContext::WriteCompanion() {
    // Without its Brasswick folder no script can be written either: the designer was told so
    // when the folder was chosen, and the companion follows at the first start that finds it.
    if (!FolderExists(state_.settings.CadPath + "Brasswick")) return;
    const std::string path = CompanionFilePath(state_.settings);
    const std::string text =
        CompanionText(ProgramFile(kProgramFileName), state_.InfoFile, state_.ScriptFile);
    const FileRead old = ReadWholeFile(path);
    if (old.ok && old.bytes == text) return;
    if (auto error = WriteFileAtomically(path, text)) {
        ShowMessage("AutoCAD Companion Could Not Be Written: " + path + " (" + *error +
                    "). BWPLACE and BWDRAW keep the paths of the copy written before.");
    }
}

void AppContext::Minimise() {
    if (window_) window_->showMinimized();
}

}  // namespace bw
