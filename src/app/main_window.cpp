#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages.h"
#include "app/settings_tab.h"
#include "exchange/files.h"
#include "exchange/platform.h"
#include "ui/feature_tab.h"
#include "ui/preview_pane.h"
#include "ui/text.h"

namespace bw {

namespace {

// The list shows every caption whole and every row without scrolling.
void FitToContents(QListWidget* list) {
    const int frame = 2 * list->frameWidth();
    list->setFixedWidth(list->sizeHintForColumn(0) + frame + 8);
    list->setMinimumHeight(list->sizeHintForRow(0) * list->count() + frame);
}

// The pages, sized by the page in front rather than by the widest page: a page with short
// lists leaves the preview the width it does not need.
class PageStack : public QTabWidget {
  public:
    using QTabWidget::QTabWidget;
    QSize sizeHint() const override { return Around(currentWidget(), &QWidget::sizeHint); }
    QSize minimumSizeHint() const override {
        return Around(currentWidget(), &QWidget::minimumSizeHint);
    }

  private:
    // The page's own size with the pane's frame around it (the tab bar is hidden).
    QSize Around(const QWidget* page, QSize (QWidget::*size)() const) const {
        if (!page) return QTabWidget::sizeHint();
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_TabWidget, &option, (page->*size)(), this);
    }
};

}  // namespace

Main::Main(Toolkit& toolkit, const std::string& programFolder, QWidget* parent)
    : QWidget(parent), app_(toolkit, programFolder) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Brasswick for AutoCAD LT"));

    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    // Fifteen captions do not fit side by side on a tab bar; the list beside the pages names
    // them all, one click each, and SSTab1 keeps the pages and the current index.
    pageList_ = new QListWidget(this);
    pageList_->setObjectName(QStringLiteral("PageList"));
    pageList_->setSelectionMode(QAbstractItemView::SingleSelection);
    pageList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabs_ = new PageStack(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->tabBar()->hide();
    // The hidden tab bar is the tab widget's focus proxy: left in the focus chain, Tab from
    // the page list would hand the focus to it, it cannot take it, and the focus would never
    // reach the page's own controls.
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    body->addWidget(pageList_, 0);
    body->addWidget(tabs_, 0);
    app_.SetWindow(this, tabs_);

    // Each tab sets its own start-up options, texts, check boxes and grid as it is made.
    for (const Page& page : Pages()) {
        FeatureTab* tab = page.make(app_);
        tabs_->addTab(tab, QString::fromLatin1(page.caption));
        tabByIndex_.push_back(tab);
        if (auto* settings = qobject_cast<SettingsTab*>(tab)) settings_ = settings;
    }
    ListPages();
    FitToContents(pageList_);
    pageList_->setCurrentRow(PageRow(tabs_->currentIndex()));
    connect(pageList_, &QListWidget::currentRowChanged, tabs_, [this](int row) {
        const QListWidgetItem* item = pageList_->item(row);
        if (item && item->data(Qt::UserRole).isValid()) {
            tabs_->setCurrentIndex(item->data(Qt::UserRole).toInt());
        }
    });
    connect(tabs_, &QTabWidget::currentChanged, pageList_, [this](int index) {
        pageList_->setCurrentRow(PageRow(index));
        tabs_->updateGeometry();
    });
    // Ctrl+Tab moves through the pages wherever the focus is, the list included.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(next, &QShortcut::activated, this,
            [this] { tabs_->setCurrentIndex((tabs_->currentIndex() + 1) % tabs_->count()); });
    connect(previous, &QShortcut::activated, this, [this] {
        tabs_->setCurrentIndex((tabs_->currentIndex() + tabs_->count() - 1) % tabs_->count());
    });

    // Beside the pages: what the current page's OK would draw, following its inputs. The
    // controls take the width they need first; the preview takes what is left.
    auto* previewColumn = new QVBoxLayout;
    auto* preview = preview_ = new PreviewPane(app_, this);
    previewColumn->addWidget(preview, 1);
    previewButtons_ = new QHBoxLayout;
    previewButtons_->addStretch(1);
    auto* commandDxf = new QPushButton(QStringLiteral("Save &DXF..."), this);
    commandDxf->setObjectName(QStringLiteral("CommandDxf"));
    commandDxf->setToolTip(
        QStringLiteral("The drawing shown, as DXF for any CAD program, in a file you choose"));
    previewButtons_->addWidget(commandDxf);
    previewColumn->addLayout(previewButtons_);
    body->addLayout(previewColumn, 1);
    preview->Attach(tabs_);
    connect(commandDxf, &QPushButton::clicked, this, [this] { CommandDxf_Click(); });
    // Pages that draw nothing (About, Settings) have nothing to save.
    const auto followPage = [this, commandDxf] {
        const FeatureTab* tab = qobject_cast<FeatureTab*>(tabs_->currentWidget());
        commandDxf->setEnabled(tab && tab->Step().has_value());
    };
    connect(tabs_, &QTabWidget::currentChanged, commandDxf, followPage);
    followPage();

    auto* buttons = new QHBoxLayout;
    nextFeature_ = new QLabel(this);
    nextFeature_->setObjectName(QStringLiteral("LabelNextFeature"));
    nextFeature_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buttons->addWidget(nextFeature_);
    app_.OnInfoChanged([this] {
        nextFeature_->setText(ToQt(app_.NextFeatureText()));
        preview_->ScheduleUpdate();
    });
    nextFeature_->setText(ToQt(app_.NextFeatureText()));
    auto* command10 = new QPushButton(QStringLiteral("&Cancel"), this);
    command10->setObjectName(QStringLiteral("Command10"));
    auto* command11 = new QPushButton(QStringLiteral("&Quit"), this);
    command11->setObjectName(QStringLiteral("Command11"));
    buttons->addStretch(1);
    buttons->addWidget(command10);
    buttons->addWidget(command11);
    layout->addLayout(buttons);
    connect(command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, command10, &QPushButton::click);

    // A new point from the CAD side brings the window back showing it, so the loop works
    // where the CAD side cannot start programs. The file may appear in several steps: the
    // look waits for them to settle.
    drawingFolder_ = new QFileSystemWatcher(this);
    auto* settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(150);
    connect(drawingFolder_, &QFileSystemWatcher::directoryChanged, settle,
            qOverload<>(&QTimer::start));
    connect(settle, &QTimer::timeout, this, [this] {
        if (!ended_ && app_.TakeArrivedInfo()) ComeForward();
    });
    app_.OnSettingsStored([this] {
        if (!drawingFolder_->directories().isEmpty()) {
            drawingFolder_->removePaths(drawingFolder_->directories());
        }
        const QString folder = ToQt(app_.State().settings.DrawingPath);
        if (QFileInfo(folder).isDir()) drawingFolder_->addPath(folder);
    });

    resize(std::max(sizeHint().width(), 1100), std::max(sizeHint().height(), 560));
}

Main::~Main() = default;

void Main::ListPages() {
    // The features first, then, below a rule, the pages that draw nothing (About, Settings);
    // each row remembers its page's index, which the controls' pages keep.
    auto add = [this](int index) {
        auto* item = new QListWidgetItem(tabs_->tabText(index), pageList_);
        item->setData(Qt::UserRole, index);
    };
    for (int index = 0; index < tabs_->count(); ++index) {
        if (tabByIndex_[static_cast<size_t>(index)]->Step()) add(index);
    }
    auto* rule = new QListWidgetItem(pageList_);
    rule->setFlags(Qt::NoItemFlags);
    rule->setSizeHint(QSize(1, 9));
    rule->setData(Qt::AccessibleTextRole, QStringLiteral("separator"));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    pageList_->setItemWidget(rule, line);
    for (int index = 0; index < tabs_->count(); ++index) {
        if (!tabByIndex_[static_cast<size_t>(index)]->Step()) add(index);
    }
}

int Main::PageRow(int index) const {
    for (int row = 0; row < pageList_->count(); ++row) {
        if (pageList_->item(row)->data(Qt::UserRole) == QVariant(index)) return row;
    }
    return -1;
}

FeatureTab* Main::Tab(int index) const {
    if (index < 0 || index >= static_cast<int>(tabByIndex_.size())) return nullptr;
    return tabByIndex_[static_cast<size_t>(index)];
}

bool Main::StartUp() {
    Module1& state = app_.State();
    state.SettingsFile = SettingsFilePath(app_.ProgramFolder());
    // A page loads all its files when the first of them comes up in the start-up order.
    const std::vector<Page>& pages = Pages();
    std::vector<bool> loaded(pages.size(), false);
    for (const std::string& file : StartUpTableOrder()) {
        for (size_t i = 0; i < pages.size(); ++i) {
            const std::vector<std::string>& files = pages[i].tableFiles;
            if (loaded[i] || std::find(files.begin(), files.end(), file) == files.end()) continue;
            loaded[i] = true;
            tabByIndex_[i]->LoadTables();
        }
    }
    RestoreLayout();
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
    // A settings file laid down by a setup program, or a program moved to another folder,
    // still gets a companion that names the right files.
    app_.SettingsStored();
    app_.Minimise();
    return true;
}

void Main::ComeForward() {
    if (ended_) return;
    app_.TakeArrivedInfo();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    platform::BringWindowToFront(static_cast<unsigned long long>(winId()));
}

void Main::changeEvent(QEvent* event) {
    // A cheap look when the designer comes back by hand: a point left while nothing watched.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isMinimized() &&
        !ended_) {
        app_.TakeArrivedInfo();
    }
    QWidget::changeEvent(event);
}

void Main::Command10_Click() { app_.Minimise(); }

void Main::Command11_Click() { close(); }

void Main::CommandDxf_Click() { app_.SaveDxf(qobject_cast<FeatureTab*>(tabs_->currentWidget())); }

void Main::RestoreLayout() {
    // Where the window was and which page was in front, as the user left them; the folders
    // and layers stay in DrawPath.txt.
    QSettings settings(QSettings::UserScope, QStringLiteral("Brasswick"),
                       QStringLiteral("Brasswick"));
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    const int page = settings.value(QStringLiteral("window/page"), 0).toInt();
    if (page >= 0 && page < tabs_->count()) tabs_->setCurrentIndex(page);
}

void Main::SaveLayout() const {
    QSettings settings(QSettings::UserScope, QStringLiteral("Brasswick"),
                       QStringLiteral("Brasswick"));
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/page"), tabs_->currentIndex());
}

void Main::closeEvent(QCloseEvent* event) {
    if (!ended_) SaveLayout();
    ended_ = true;
    event->accept();
}

}  // namespace bw
