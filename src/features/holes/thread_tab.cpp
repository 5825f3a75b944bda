#include "features/holes/thread_tab.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/behaviours.h"
#include "ui/controls.h"

namespace bw {

using namespace ui;

namespace {

// The bar moves in about this many steps whatever the thread's length: enough to be seen
// advancing, few enough that setting it costs nothing beside writing the turns.
constexpr int kProgressSteps = 64;
// The window is given a chance to repaint at most this often while the turns are written.
constexpr qint64 kRepaintIntervalMs = 30;

QElapsedTimer& Clock() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock;
}

}  // namespace

ThreadTab::ThreadTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckThread,
                   [](const ThreadInput& input, const DrawContext& context) {
                       return ThreadScript(input, context);
                   }) {
    auto* layout = new QGridLayout(this);

    auto* frame17 = Frame("Frame17", "Options", this);
    auto* options = new QVBoxLayout(frame17);
    check05_ = Check("Check05", "Left Hand", frame17);
    check06_ = Check("Check06", "Hidden", frame17);
    options->addWidget(check05_);
    options->addWidget(check06_);

    direction_ =
        MakeDirectionFrame("Frame18", "Option30", "Option29", "Option28", "Option27", this);

    auto* frame19 = Frame("Frame19", "Thread Size", this);
    list8_ = List("List8", frame19);
    (new QVBoxLayout(frame19))->addWidget(list8_);
    auto* frame20 = Frame("Frame20", "Depth", this);
    list9_ = List("List9", frame20);
    (new QVBoxLayout(frame20))->addWidget(list9_);

    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setMinimum(0);
    progressBar1_->setValue(0);
    progressBar1_->setVisible(false);
    // The bar keeps its room while hidden, so the tab does not jump when it appears.
    QSizePolicy keepRoom = progressBar1_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progressBar1_->setSizePolicy(keepRoom);

    command6_ = AddOkButton("Command6");

    layout->addWidget(frame17, 0, 0);
    layout->addWidget(direction_.frame, 1, 0);
    layout->addWidget(frame19, 0, 1, 2, 1);
    layout->addWidget(frame20, 0, 2, 2, 1);
    layout->addWidget(progressBar1_, 2, 0, 1, 2);
    layout->addWidget(command6_, 2, 2, Qt::AlignRight);

    BringToFrontOnFocus({check05_});
    ReportChanges(this, direction_.Options(), {check05_, check06_}, {list8_, list9_});
    connect(command6_, &QPushButton::clicked, this, [this] { Command6_Click(); });

    check05_->setChecked(ThreadInput{}.leftHand);
    ShowPlacement(ThreadInput{}.placement, {.hidden = check06_}, direction_);
}

void ThreadTab::LoadTables() {
    const ThreadTableLoad load = LoadThreadTable(host_.ProgramFolder());
    table_ = load.table;
    FillList(list8_, table_.sizeLabels);
    FillList(list9_, table_.depthLabels);
    AdoptTable(kThreadMessages, load.diagnostic);
}

ThreadInput ThreadTab::Input() const {
    ThreadInput input;
    if (const int i = SelectedIndex(list8_); i >= 0) {
        input.size = ThreadSize{table_.diameter[static_cast<size_t>(i)],
                                table_.threadsPerUnit[static_cast<size_t>(i)]};
    }
    if (const int j = SelectedIndex(list9_); j >= 0) {
        input.length = table_.depth[static_cast<size_t>(j)];
    }
    input.leftHand = check05_->isChecked();
    input.placement = ShownPlacement({.hidden = check06_}, direction_);
    return input;
}

void ThreadTab::ShowProgress(int turnsWritten, int turns) {
    const int step = turns / kProgressSteps + 1;
    if (turnsWritten % step != 0 && turnsWritten != turns) return;
    progressBar1_->setValue(turnsWritten);
    const qint64 now = Clock().elapsed();
    if (turnsWritten == turns || now - lastRepaint_ >= kRepaintIntervalMs) {
        lastRepaint_ = now;
        // Paint and timer events only: a click now must not start another OK or change
        // the choices while this one is writing.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void ThreadTab::Command6_Click() {
    const ThreadInput input = Input();
    bool barShown = false;
    if (input.size && input.length) host_.SetDirectionAngle(Degrees(input.placement.direction));
    // The OK's own step shows its progress while the turns are written.
    const FeatureStep step = [this, input, &barShown](const DrawContext& context) {
        return CheckThenGenerate(
            input, context, CheckThread,
            [this, &barShown](const ThreadInput& checked, const DrawContext& c) {
                const int turns = ThreadTurns(checked);
                progressBar1_->setMaximum(turns);
                progressBar1_->setValue(0);
                progressBar1_->setVisible(true);
                barShown = true;
                lastRepaint_ = Clock().elapsed();
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                return ThreadScript(checked, c,
                                    [this, turns](int written) { ShowProgress(written, turns); });
            });
    };
    host_.RunFeatureOk(InfoTiming::BeforeChecks, step);
    // Hidden again once the script is written, or when writing it failed.
    if (barShown) {
        progressBar1_->setValue(0);
        progressBar1_->setVisible(false);
    }
}

}  // namespace bw
