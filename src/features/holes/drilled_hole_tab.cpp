#include "features/holes/drilled_hole_tab.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "exchange/script_format.h"
#include "ui/behaviours.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace bw {

using namespace ui;

namespace {

// A box's double-click, which QLineEdit offers no signal for.
class DoubleClickFilter : public QObject {
  public:
    DoubleClickFilter(std::function<void()> handler, QObject* parent)
        : QObject(parent), handler_(std::move(handler)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            handler_();
            // The box's own double-click would select a word of the new text.
            static_cast<QLineEdit*>(watched)->selectAll();
            return true;
        }
        return false;
    }

  private:
    std::function<void()> handler_;
};

QString Displayed(float value) { return ToQt(DisplayFormatNumber(static_cast<double>(value))); }

QGroupBox* BoxFrame(const char* frameName, const char* caption, QLineEdit*& box,
                    const char* boxName, QWidget* parent) {
    QGroupBox* frame = Frame(frameName, caption, parent);
    box = Box(boxName, frame);
    // Wide enough for any number the display format shows, so the lists get the room.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000.000000")) + 12);
    (new QVBoxLayout(frame))->addWidget(box);
    return frame;
}

}  // namespace

DrilledHoleTab::DrilledHoleTab(Host& host, QWidget* parent)
    : FeatureTabOf(host, parent, CheckDrilledHole, DrilledHoleScript) {
    auto* layout = new QGridLayout(this);

    auto* frame60 = Frame("Frame60", "Screw Size", this);
    list18_ = List("List18", frame60);
    (new QVBoxLayout(frame60))->addWidget(list18_);
    auto* frame59 = Frame("Frame59", "Dimensions", this);
    list17_ = List("List17", frame59);
    (new QVBoxLayout(frame59))->addWidget(list17_);

    auto* frame58 = BoxFrame("Frame58", "Drill Diameter", text16_, "Text16", this);
    auto* frame57 = BoxFrame("Frame57", "Countersink Diameter", text15_, "Text15", this);
    auto* frame56 = BoxFrame("Frame56", "Drill Depth", text17_, "Text17", this);

    auto* frame55 = Frame("Frame55", "Angle", this);
    auto* angles = new QVBoxLayout(frame55);
    option65_ = Option("Option65", "100", frame55);
    option66_ = Option("Option66", "82", frame55);
    angles->addWidget(option65_);
    angles->addWidget(option66_);

    direction_ =
        MakeDirectionFrame("Frame54", "Option61", "Option62", "Option63", "Option64", this);

    auto* frame53 = Frame("Frame53", "Options", this);
    auto* options = new QVBoxLayout(frame53);
    check13_ = Check("Check13", "Countersunk", frame53);
    check14_ = Check("Check14", "Hidden", frame53);
    option59_ = Option("Option59", "Draw Side", frame53);
    option60_ = Option("Option60", "Draw Face", frame53);
    for (QWidget* w : {static_cast<QWidget*>(option59_), static_cast<QWidget*>(option60_),
                       static_cast<QWidget*>(check13_), static_cast<QWidget*>(check14_)}) {
        options->addWidget(w);
    }

    command20_ = AddOkButton("Command20");

    // Options across the top, the three fields below them, and the two lists, whose labels
    // are the widest texts on the tab, across the whole width.
    auto* choices = new QHBoxLayout;
    choices->addWidget(frame53);
    choices->addWidget(direction_.frame);
    choices->addWidget(frame55);
    auto* fields = new QHBoxLayout;
    fields->addWidget(frame58);
    fields->addWidget(frame57);
    fields->addWidget(frame56);
    auto* lists = new QHBoxLayout;
    lists->addWidget(frame60, 1);
    lists->addWidget(frame59, 1);
    layout->addLayout(choices, 0, 0);
    layout->addLayout(fields, 1, 0);
    layout->addLayout(lists, 2, 0);
    layout->setRowStretch(2, 1);
    layout->addWidget(command20_, 3, 0, Qt::AlignRight);

    for (QLineEdit* box : {text15_, text16_, text17_}) MakeNumberBox(box);
    WireViewOptions(option59_, option60_, nullptr, direction_.Options());
    BringToFrontOnFocus({option59_});
    BringToFrontOnFocus({option60_});
    ReportChanges(this, {option59_, option60_, option65_, option66_}, {check13_, check14_}, {},
                  {text15_, text16_, text17_});
    ReportChanges(this, direction_.Options(), {}, {});

    connect(check13_, &QCheckBox::toggled, this, [this] { Check13_Click(); });
    // A pick with the keyboard is a click as much as one with the mouse; clicking the row
    // already selected fills the fields again after they were edited.
    connect(list18_, &QListWidget::itemSelectionChanged, this, [this] { List18_Click(); });
    connect(list18_, &QListWidget::itemClicked, this, [this] { List18_Click(); });
    text15_->installEventFilter(new DoubleClickFilter([this] { Text15_DblClick(); }, text15_));
    text16_->installEventFilter(new DoubleClickFilter([this] { Text16_DblClick(); }, text16_));
    text17_->installEventFilter(new DoubleClickFilter([this] { Text17_DblClick(); }, text17_));
    connect(command20_, &QPushButton::clicked, this, [this] { Command20_Click(); });

    // Start-up state, in the order the program sets it: options, texts, check boxes.
    const DrilledHoleInput defaults;
    option59_->setChecked(true);
    direction_.zero->setChecked(true);
    option66_->setChecked(true);
    text15_->setText(ToQt(defaults.countersinkText));
    text15_->setEnabled(false);
    text16_->setText(ToQt(defaults.drillText));
    text17_->setText(ToQt(defaults.depthText));
    check13_->setChecked(false);
    check14_->setChecked(true);
}

void DrilledHoleTab::LoadTables() {
    const DrillTableLoad drill = LoadDrillTable(host_.ProgramFolder());
    drillTable_ = drill.table;
    FillList(list17_, drillTable_.labels);
    AdoptTable(kDrillMessages, drill.diagnostic, /*needed=*/false);
    const CsinkTableLoad csink = LoadCsinkTable(host_.ProgramFolder());
    csinkTable_ = csink.table;
    FillList(list18_, csinkTable_.labels);
    AdoptTable(kCsinkMessages, csink.diagnostic, /*needed=*/false);
}

DrilledHoleInput DrilledHoleTab::Input() const {
    DrilledHoleInput input;
    input.countersinkText = FromQt(text15_->text());
    input.drillText = FromQt(text16_->text());
    input.depthText = FromQt(text17_->text());
    input.countersunk = check13_->isChecked();
    input.angle = option65_->isChecked() ? 100 : 82;
    input.placement = ShownPlacement({nullptr, option59_, option60_, check14_}, direction_);
    return input;
}

void DrilledHoleTab::List18_Click() {
    const int i = SelectedIndex(list18_);
    if (i < 0) return;
    const auto row = static_cast<size_t>(i);
    text15_->setText(Displayed(csinkTable_.csinkDiameter[row]));
    text16_->setText(Displayed(csinkTable_.drillDiameter[row]));
    option66_->setChecked(true);
    check13_->setChecked(true);
}

void DrilledHoleTab::CopySelectedDimension(QLineEdit* box) {
    // Without a selected dimension there is nothing to copy; the field keeps its text.
    const int j = SelectedIndex(list17_);
    if (j < 0 || !box->isEnabled()) return;
    box->setText(Displayed(drillTable_.dimension[static_cast<size_t>(j)]));
}

void DrilledHoleTab::Text15_DblClick() { CopySelectedDimension(text15_); }
void DrilledHoleTab::Text16_DblClick() { CopySelectedDimension(text16_); }
void DrilledHoleTab::Text17_DblClick() { CopySelectedDimension(text17_); }

void DrilledHoleTab::Check13_Click() { text15_->setEnabled(check13_->isChecked()); }

void DrilledHoleTab::Command20_Click() { RunOk(InfoTiming::AfterChecks); }

}  // namespace bw
