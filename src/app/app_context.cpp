#include "app/app_context.h"

#include <QTabWidget>
#include <QWidget>

#include "exchange/files.h"
#include "ui/text.h"
#include "ui/toolkit.h"

namespace bw {

std::string AppContext::ProgramFile(const std::string& name) const {
    return ProgramFilePath(programFolder_, name);
}

void AppContext::ShowMessage(const std::string& text) { ShowMessage(ToQt(text)); }

void AppContext::ShowMessage(const QString& text) {
    toolkit_.Message(window_, QString::fromLatin1(kProgramTitle), text);
}

bool AppContext::ReadInsertionInfo(bool atStartUp) {
    const InfoReadResult result = ReadInsertionInfoFile(state_.InfoFile);
    switch (result.status) {
        case InfoStatus::Read:
            state_.info = result.info;
            state_.InsertionInfoRead = true;
            if (!result.deleteError.empty()) {
                // The CAD side would find the same file again and think it unread.
                ShowMessage("Insertion Info File Could Not Be Deleted: " + state_.InfoFile + " (" +
                            result.deleteError + ")");
            }
            return true;
        case InfoStatus::NotFound:
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
    if (timing == InfoTiming::BeforeChecks && !state_.InsertionInfoRead) {
        if (!ReadInsertionInfo()) return false;
    }
    StepOutcome outcome = step(CurrentDrawContext());
    if (outcome.Failed()) {
        ShowMessage(outcome.message);
        return false;
    }
    if (timing == InfoTiming::AfterChecks && !state_.InsertionInfoRead) {
        if (!ReadInsertionInfo()) return false;
        // The checks do not depend on where the feature goes; the script does.
        outcome = step(CurrentDrawContext());
    }
    if (!WriteScript(outcome.script)) return false;
    state_.InsertionInfoRead = false;
    Minimise();
    return true;
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

void AppContext::Minimise() {
    if (window_) window_->showMinimized();
}

}  // namespace bw
