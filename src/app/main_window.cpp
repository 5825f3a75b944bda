#include "app/main_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/about_tab.h"
#include "app/settings_tab.h"
#include "exchange/files.h"
#include "features/holes/hole_tabs.h"
#include "features/pins/pin_tabs.h"
#include "features/profiles/profile_tabs.h"
#include "ui/preview_pane.h"

namespace bw {

Main::Main(Toolkit& toolkit, const std::string& programFolder, QWidget* parent)
    : QWidget(parent), app_(toolkit, programFolder) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Brasswick for AutoCAD LT"));

    auto* layout = new QVBoxLayout(this);
    body_ = new QHBoxLayout;
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setUsesScrollButtons(true);
    body_->addWidget(tabs_, 1);
    layout->addLayout(body_, 1);
    app_.SetWindow(this, tabs_);

    // Each tab sets its own start-up options, texts, check boxes and grid as it is made.
    const PinTabs pins = MakePinTabs(app_);
    const HoleTabs holes = MakeHoleTabs(app_);
    auto* about = new AboutTab(app_);
    settings_ = new SettingsTab(app_);
    const ProfileTabs profiles = MakeProfileTabs(app_);

    const struct {
        FeatureTab* tab;
        const char* caption;
    } pages[] = {
        {pins.ejector, "Ejector Pin Holes"},
        {pins.corePin, "Core Pins"},
        {holes.tappedHole, "Tapped Holes"},
        {holes.counterbore, "Counterbores"},
        {pins.coreNote, "Core Note"},
        {holes.thread, "Threads"},
        {about, "About"},
        {settings_, "Settings"},
        {profiles.slot, "Slotted Holes"},
        {profiles.cam, "Simple Cams"},
        {profiles.keyway, "Keyways"},
        {pins.taperPin, "Taper Pins"},
        {profiles.centerDrill, "Center Drill Holes"},
        {profiles.shaft, "Shafts"},
        {holes.drilledHole, "Drilled Holes"},
    };
    for (const auto& page : pages) {
        tabs_->addTab(page.tab, QString::fromLatin1(page.caption));
        tabByIndex_.push_back(page.tab);
    }
    // The tables load in this order; the about text sits between the threads and the slots.
    loadOrder_ = {pins.ejector,
                  pins.corePin,
                  holes.counterbore,
                  holes.tappedHole,
                  pins.coreNote,
                  holes.thread,
                  about,
                  profiles.slot,
                  profiles.keyway,
                  pins.taperPin,
                  profiles.centerDrill,
                  holes.drilledHole};

    // Beside the tabs: what the current tab's OK would draw, following its inputs.
    auto* preview = new PreviewPane(app_, this);
    body_->addWidget(preview, 1);
    preview->Attach(tabs_);

    auto* buttons = new QHBoxLayout;
    auto* command10 = new QPushButton(QStringLiteral("Cancel"), this);
    command10->setObjectName(QStringLiteral("Command10"));
    auto* command11 = new QPushButton(QStringLiteral("Quit"), this);
    command11->setObjectName(QStringLiteral("Command11"));
    buttons->addStretch(1);
    buttons->addWidget(command10);
    buttons->addWidget(command11);
    layout->addLayout(buttons);
    connect(command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
}

Main::~Main() = default;

FeatureTab* Main::Tab(int index) const {
    if (index < 0 || index >= static_cast<int>(tabByIndex_.size())) return nullptr;
    return tabByIndex_[static_cast<size_t>(index)];
}

bool Main::StartUp() {
    Module1& state = app_.State();
    state.SettingsFile = SettingsFilePath(app_.ProgramFolder());
    for (FeatureTab* tab : loadOrder_) tab->LoadTables();
    show();
    const bool haveSettings = FileExists(state.SettingsFile) && settings_->ReadSettingsFile();
    if (!haveSettings && !settings_->FirstRun()) {
        ended_ = true;
        close();
        return false;
    }
    state.InfoFile = InfoFilePath(state.settings);
    app_.ReadInsertionInfo(/*atStartUp=*/true);
    state.ScriptFile = ScriptFilePath(state.settings);
    app_.Minimise();
    return true;
}

void Main::Command10_Click() { app_.Minimise(); }

void Main::Command11_Click() { close(); }

void Main::closeEvent(QCloseEvent* event) {
    ended_ = true;
    event->accept();
}

}  // namespace bw
