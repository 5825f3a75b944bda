#include "app/settings_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "exchange/files.h"
#include "exchange/script_format.h"
#include "ui/behaviours.h"
#include "ui/text.h"
#include "ui/toolkit.h"

namespace bw {

namespace {

const QString kDxfBesideScriptKey = QStringLiteral("dxf/besideScript");

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QGroupBox* Frame(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

// What makes settings about to be stored unusable for a feature's OK, one line each, or
// nothing.
std::optional<std::string> FolderWarning(const Settings& next) {
    std::string lines;
    if (const std::optional<std::string> problem = CadFolderProblem(next.CadPath)) {
        lines += "AutoCAD LT Path Not Usable: " + next.CadPath + " (" + *problem +
                 "). No script can be written until it is.\n";
    }
    if (!FolderExists(next.DrawingPath)) {
        lines += "Drawing Path Not Found: " + next.DrawingPath +
                 " (it does not exist). No insertion info can be read from it.\n";
    }
    if (lines.empty()) return std::nullopt;
    return lines;
}

}  // namespace

SettingsTab::SettingsTab(AppContext& app, QWidget* parent) : FeatureTab(app, parent), app_(app) {
    auto* layout = new QVBoxLayout(this);

    auto* frame21 = Frame("Frame21", "AutoCAD LT Path", this);
    auto* row21 = new QHBoxLayout(frame21);
    text2_ = Box("Text2", frame21);
    auto* command7 = Button("Command7", "&Browse.....", frame21);
    row21->addWidget(text2_, 1);
    row21->addWidget(command7);
    layout->addWidget(frame21);

    auto* frame22 = Frame("Frame22", "Drawing Path", this);
    auto* row22 = new QHBoxLayout(frame22);
    text3_ = Box("Text3", frame22);
    // Each Browse button has a key of its own: Alt+B for the CAD folder, Alt+R here.
    auto* command8 = Button("Command8", "B&rowse.....", frame22);
    row22->addWidget(text3_, 1);
    row22->addWidget(command8);
    layout->addWidget(frame22);

    auto* lower = new QHBoxLayout;
    auto* frame23 = Frame("Frame23", "Name of Layer for Hidden Lines", this);
    auto* row23 = new QHBoxLayout(frame23);
    text4_ = Box("Text4", frame23);
    row23->addWidget(text4_);
    lower->addWidget(frame23);
    auto* frame25 = Frame("Frame25", "Ejector Clearance", this);
    auto* row25 = new QHBoxLayout(frame25);
    text5_ = Box("Text5", frame25);
    row25->addWidget(text5_);
    lower->addWidget(frame25);
    layout->addLayout(lower);

    checkDxf_ = new QCheckBox(QStringLiteral("Also write Brasswick.dxf beside the script"), this);
    checkDxf_->setObjectName(QStringLiteral("CheckDxf"));
    layout->addWidget(checkDxf_);
    app_.State().WriteDxfBesideScript = DesktopSettings().value(kDxfBesideScriptKey).toBool();
    checkDxf_->setChecked(app_.State().WriteDxfBesideScript);

    auto* buttons = new QHBoxLayout;
    auto* command9 = Button("Command9", "&OK", this);
    auto* command12 = Button("Command12", "Ca&ncel", this);
    buttons->addStretch(1);
    buttons->addWidget(command9);
    buttons->addWidget(command12);
    layout->addLayout(buttons);
    layout->addStretch(1);

    ui::SelectAllOnFocus(text4_);
    ui::MakeNumberBox(text5_, {ui::CharSet::Decimal, /*enterMovesOn=*/false, /*tidyOnLeave=*/true,
                               /*selectAllOnFocus=*/true});
    BringToFrontOnFocus({text2_});

    connect(command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
}

QString SettingsTab::ChooseFolder(const QString& title, const QString& current) {
    // The chooser opens at the folder set now, so a small change is a small step.
    QString folder = app_.Dialogs().ChooseFolder(app_.Window(), title, current);
    if (folder.isEmpty()) return folder;
    // A path from a C-style buffer ends at its first NUL.
    if (const qsizetype nul = folder.indexOf(QChar(0)); nul >= 0) folder.truncate(nul);
    if (!folder.endsWith(QLatin1Char(kPathSeparator))) folder += QLatin1Char(kPathSeparator);
    return folder;
}

void SettingsTab::GetLTPath() {
    const QString folder = ChooseFolder(QStringLiteral("Browse AutoCAD LT Path"), text2_->text());
    if (folder.isEmpty()) return;
    app_.State().PickedCadPath = FromQt(folder);
    text2_->setText(folder);
}

void SettingsTab::GetDrawPath() {
    const QString folder = ChooseFolder(QStringLiteral("Browse Drawing Path"), text3_->text());
    if (folder.isEmpty()) return;
    app_.State().PickedDrawingPath = FromQt(folder);
    text3_->setText(folder);
}

void SettingsTab::Command9_Click() {
    Module1& state = app_.State();
    Settings next;
    next.CadPath = FromQt(text2_->text());
    next.DrawingPath = FromQt(text3_->text());
    next.HiddenLayer = FromQt(text4_->text());
    // A clearance typed as a fraction that does not read ("1//64") is no clearance at all.
    const std::optional<double> clearance = TypedNumber(FromQt(text5_->text()));
    if (!clearance) {
        app_.ShowMessage("Ejector Clearance Is Not A Number: " + FromQt(text5_->text()) +
                         ". Nothing was stored.");
        return;
    }
    next.EjectorClearance = static_cast<float>(*clearance);
    if (const std::optional<std::string> message = CheckSettings(next)) {
        app_.ShowMessage(*message + ". Nothing was stored.");
        return;
    }
    next.DrawingPath = WithTrailingSeparator(next.DrawingPath);
    next.CadPath = WithTrailingSeparator(next.CadPath);
    // Folders that would make every feature's OK fail are stored only when the designer says
    // so: the folders may be on a drive that is not there yet.
    if (const std::optional<std::string> warning = FolderWarning(next)) {
        if (!app_.AskYesNo(*warning + "\nStore the settings anyway?")) return;
    }
    if (auto error = WriteFileAtomically(state.SettingsFile, SettingsFileText(next))) {
        app_.ShowMessage("Settings File Could Not Be Written: " + state.SettingsFile + " (" +
                         *error + "). The previous settings are kept.");
        return;
    }
    state.settings = next;
    state.InfoFile = InfoFilePath(state.settings);
    state.ScriptFile = ScriptFilePath(state.settings);
    app_.SettingsStored();
    state.WriteDxfBesideScript = checkDxf_->isChecked();
    DesktopSettings().setValue(kDxfBesideScriptKey, state.WriteDxfBesideScript);
}

void SettingsTab::Command12_Click() {
    ShowStored(true);
    checkDxf_->setChecked(app_.State().WriteDxfBesideScript);
}

void SettingsTab::ShowStored(bool clearanceWithLeadingBlank) {
    const Settings& s = app_.State().settings;
    text2_->setText(ToQt(s.CadPath));
    text3_->setText(ToQt(s.DrawingPath));
    text4_->setText(ToQt(s.HiddenLayer));
    text5_->setText(QString::fromStdString(clearanceWithLeadingBlank
                                               ? StrNumberText(s.EjectorClearance)
                                               : PlainNumberText(s.EjectorClearance)));
}

bool SettingsTab::ReadSettingsFile() {
    Module1& state = app_.State();
    const FileRead file = ReadWholeFile(state.SettingsFile);
    std::string problem = file.ok ? std::string() : "it cannot be read (" + file.error + ")";
    SettingsReadResult parsed;
    if (file.ok) {
        parsed = ParseSettings(file.bytes);
        if (!parsed.ok) problem = parsed.problem;
    }
    if (!problem.empty()) {
        app_.ShowMessage("Settings File Could Not Be Read: " + state.SettingsFile + " (" + problem +
                         "). Choose the folders again; the file is replaced only " +
                         "when you press OK on the Settings tab.");
        return false;
    }
    state.settings = parsed.settings;
    state.settings.CadPath = WithTrailingSeparator(state.settings.CadPath);
    state.settings.DrawingPath = WithTrailingSeparator(state.settings.DrawingPath);
    ShowStored(false);
    return true;
}

bool SettingsTab::FirstRun() {
    Module1& state = app_.State();
    // A folder without a Brasswick folder the designer can write would make every OK fail:
    // it is refused before anything is kept, and the chooser comes again.
    for (;;) {
        state.PickedCadPath.clear();
        GetLTPath();
        if (state.PickedCadPath.empty()) break;
        const std::optional<std::string> problem = CadFolderProblem(state.PickedCadPath);
        if (!problem) break;
        app_.ShowMessage("AutoCAD LT Path Not Usable: " + state.PickedCadPath + " (" + *problem +
                         "). Brasswick writes its script into the Brasswick folder there: make "
                         "that folder, or choose a folder you can write to that holds one.");
    }
    state.settings.CadPath = state.PickedCadPath;
    GetDrawPath();
    state.settings.DrawingPath = state.PickedDrawingPath;
    if (state.settings.CadPath.empty() || state.settings.DrawingPath.empty()) {
        app_.ShowMessage(std::string("Program Will NOT Function Without Path Settings"));
        return false;
    }
    text4_->setText(QStringLiteral("0"));
    state.settings.HiddenLayer = Settings{}.HiddenLayer;
    text5_->setText(QStringLiteral(".015"));
    state.settings.EjectorClearance = 0.015f;
    app_.ShowInformation("Use Settings To Assign Hidden Layer");
    host_.BringToFront(this);
    return true;
}

}  // namespace bw
